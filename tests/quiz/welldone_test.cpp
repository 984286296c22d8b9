#include "quiz/quizfixture.h"

#include <QLineEdit>
#include <QTest>

namespace {

const QString kClick = QStringLiteral("wav\\click.wav");
const QString kHint =
    QStringLiteral("Click the button above to check which questions you answered incorrectly.");

using WelldoneTest = QuizFixture;

// The three bands, opened as an activity opens the screen (nothing adjusted after load).
struct BandCase {
    int score;
    int maxscore;
    const char* message;
    bool full;
};

class Band : public QuizFixture, public ::testing::WithParamInterface<BandCase> {};

TEST_P(Band, MessageAndControls) {
    const BandCase& c = GetParam();
    Welldone& w = openResults(c.score, c.maxscore);
    EXPECT_EQ(w.Label1.Caption(), QString::fromLatin1(c.message));
    EXPECT_EQ(w.Label6.Visible(), !c.full) << "Read the Key Facts and try again.";
    EXPECT_EQ(w.Label3[0].Visible(), c.full) << "only the quiz shows Check Wrong Answers";
    EXPECT_EQ(w.Label3[0].Caption(),
              c.full ? QStringLiteral("Print Certificate") : QStringLiteral("Check Wrong Answers"));
    EXPECT_EQ(w.Text1.Visible(), c.full);
    EXPECT_EQ(w.Label2.Visible(), c.full);
    EXPECT_FALSE(w.Label5.Visible());
    EXPECT_EQ(w.Label5.Caption(), c.full ? QString() : kHint);
    EXPECT_TRUE(w.Text1.Text().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Scores, Band,
    ::testing::Values(BandCase{10, 10, "Excellent work. You have scored 10 out of 10.", true},
                      BandCase{9, 10, "Good work. You have scored 9 out of 10.", false},
                      BandCase{8, 10, "Good work. You have scored 8 out of 10.", false},
                      BandCase{7, 10, "You have scored 7 out of 10.", false},
                      BandCase{0, 10, "You have scored 0 out of 10.", false},
                      BandCase{6, 6, "Excellent work. You have scored 6 out of 6.", true},
                      BandCase{5, 6, "Good work. You have scored 5 out of 6.", false},
                      BandCase{4, 6, "Good work. You have scored 4 out of 6.", false},
                      BandCase{3, 6, "You have scored 3 out of 6.", false},
                      BandCase{4, 4, "Excellent work. You have scored 4 out of 4.", true}));

// The reward sound by score alone, for a scripted draw.
struct RewardCase {
    int score;
    int maxscore;
    double draw;
    const char* sound; // nullptr: none
};

class Reward : public QuizFixture, public ::testing::WithParamInterface<RewardCase> {};

TEST_P(Reward, PlaysTheSoundOfTheDraw) {
    const RewardCase& c = GetParam();
    random.values = {c.draw};
    openResults(c.score, c.maxscore);
    EXPECT_TRUE(sound.played.isEmpty()) << "nothing before the screen has been shown";
    runReward();
    EXPECT_EQ(random.reseeds, 1);
    if (c.sound) {
        EXPECT_EQ(sound.played, QStringList{QString::fromLatin1(c.sound)});
    } else {
        EXPECT_TRUE(sound.played.isEmpty());
    }
    const bool draws = c.score >= 6 && c.score <= 11;
    EXPECT_EQ(random.drawn, draws ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Reward,
    ::testing::Values(
        RewardCase{12, 12, 0.9, "wav\\halleluj.wav"}, RewardCase{11, 12, 0.0, "wav\\fanf4.wav"},
        RewardCase{11, 12, 0.5, "wav\\slot_payoff.wav"}, RewardCase{10, 10, 0.0, "wav\\fanf2.wav"},
        RewardCase{10, 10, 0.49, "wav\\fanf2.wav"}, RewardCase{10, 10, 0.5, "wav\\fanf3.wav"},
        RewardCase{10, 10, 0.999, "wav\\fanf3.wav"}, RewardCase{9, 10, 0.0, "wav\\crowd.wav"},
        RewardCase{9, 10, 0.33, "wav\\crowd.wav"}, RewardCase{9, 10, 0.34, "wav\\cheer2.wav"},
        RewardCase{9, 10, 0.66, "wav\\cheer2.wav"}, RewardCase{9, 10, 0.67, "wav\\klaxon.wav"},
        RewardCase{8, 10, 0.1, "wav\\flute.wav"}, RewardCase{8, 10, 0.5, "wav\\gong.wav"},
        RewardCase{8, 10, 0.9, "wav\\clap2.wav"}, RewardCase{7, 10, 0.2, "wav\\drumroll.wav"},
        RewardCase{7, 10, 0.4, "wav\\laser2.wav"}, RewardCase{7, 10, 0.8, "wav\\whizz.wav"},
        RewardCase{6, 10, 0.3, "wav\\clap3.wav"}, RewardCase{6, 10, 0.7, "wav\\clown.wav"},
        RewardCase{6, 6, 0.7, "wav\\clown.wav"}, RewardCase{5, 10, 0.5, nullptr},
        RewardCase{0, 10, 0.5, nullptr}, RewardCase{4, 4, 0.5, nullptr},
        RewardCase{5, 6, 0.5, nullptr}));

TEST_F(WelldoneTest, RewardSequenceLoadsThePictureFocusesTheNameAndLightsTheButtons) {
    Welldone& w = openResults(10, 10);
    EXPECT_TRUE(w.Picture1.picture().isNull()) << "empty until the first timer fires";
    // The name box is the screen's only field, so the window would give it the focus on
    // its own; a second field holding the focus shows that the sequence moves it.
    QLineEdit elsewhere(&w);
    elsewhere.show();
    elsewhere.setFocus();
    w.Label3[0].setBackStyle(forms::BackStyle::Transparent);
    w.Label3[1].setBackStyle(forms::BackStyle::Transparent);
    runReward();
    EXPECT_FALSE(w.Picture1.picture().isNull());
    EXPECT_EQ(display.focusWidget(), &w.Text1);
    EXPECT_EQ(w.Label3[0].backStyle(), forms::BackStyle::Opaque);
    EXPECT_EQ(w.Label3[1].backStyle(), forms::BackStyle::Opaque);
    EXPECT_FALSE(w.Timer1.Enabled());
    EXPECT_FALSE(w.Timer2.Enabled());
    EXPECT_FALSE(w.Timer3.Enabled());
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(WelldoneTest, SoundsOffStillShowThePictureAndFocusButPlayNothing) {
    state.soundon = 0;
    Welldone& w = openResults(10, 10);
    runReward();
    EXPECT_FALSE(w.Picture1.picture().isNull());
    EXPECT_EQ(display.focusWidget(), &w.Text1);
    EXPECT_TRUE(sound.played.isEmpty());
    EXPECT_EQ(random.drawn, 0u);
}

TEST_F(WelldoneTest, AMissingRewardPictureIsReportedOnceAndTheSequenceGoesOn) {
    emptyFolder(QStringLiteral("images"));
    Welldone& w = openResults(9, 10);
    runReward();
    EXPECT_TRUE(w.Picture1.picture().isNull());
    EXPECT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(sound.played.size(), 1);
}

TEST_F(WelldoneTest, CheckWrongAnswersShowsTheReviewThenClicks) {
    Welldone& w = openResults(8, 10);
    forms.get<Wrong>();
    w.Label3[0].setVisible(true); // as the quiz leaves it
    runReward();
    sound.played.clear();
    click(w.Label3[0]);
    Wrong* review = forms.loaded<Wrong>();
    ASSERT_NE(review, nullptr);
    EXPECT_EQ(top(), review);
    EXPECT_EQ(sound.played, QStringList{kClick});
}

TEST_F(WelldoneTest, ExitClosesTheReviewAndTheResults) {
    Welldone& w = openResults(9, 10);
    forms.show<Wrong>();
    sound.played.clear();
    w.Label3_Click(1);
    settle();
    EXPECT_FALSE(forms.isLoaded<Welldone>());
    EXPECT_FALSE(forms.isLoaded<Wrong>());
    EXPECT_EQ(sound.played, QStringList{kClick});
}

TEST_F(WelldoneTest, ExitAfterAnActivityHasNoReviewToClose) {
    Welldone& w = openResults(3, 6);
    runReward();
    click(w.Label3[1]);
    settle();
    EXPECT_FALSE(forms.isLoaded<Welldone>());
    EXPECT_FALSE(forms.isLoaded<Wrong>()) << "Exit must not load the review";
}

TEST_F(WelldoneTest, ReviewExitClosesBothSilently) {
    openResults(9, 10);
    Wrong& review = forms.show<Wrong>();
    EXPECT_EQ(review.Label3.size(), 1);
    sound.played.clear();
    click(review.Label3[1]);
    settle();
    EXPECT_FALSE(forms.isLoaded<Welldone>());
    EXPECT_FALSE(forms.isLoaded<Wrong>());
    EXPECT_TRUE(sound.played.isEmpty());
}

TEST_F(WelldoneTest, NameBoxTakesAtMost25Characters) {
    Welldone& w = openResults(10, 10);
    runReward();
    QTest::keyClicks(&w.Text1, QStringLiteral("abcdefghijklmnopqrstuvwxyz0123"));
    EXPECT_EQ(w.Text1.Text(), QStringLiteral("abcdefghijklmnopqrstuvwxy"));
}

TEST_F(WelldoneTest, HoverOverTheTwoButtons) {
    Welldone& w = openResults(10, 10);
    runReward();
    moveTo(600, 4000);
    EXPECT_EQ(w.Label3[0].backStyle(), forms::BackStyle::Transparent);
    EXPECT_EQ(w.Label3[1].backStyle(), forms::BackStyle::Transparent);
    moveTo(w.Label3[1].Left() + 200, w.Label3[1].Top() + 200);
    EXPECT_EQ(w.Label3[1].backStyle(), forms::BackStyle::Opaque);
    EXPECT_EQ(w.Label3[0].backStyle(), forms::BackStyle::Transparent);
}

} // namespace
