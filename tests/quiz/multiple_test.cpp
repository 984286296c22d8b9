#include "quiz/quizfixture.h"

#include <QTest>

namespace {

const QString kClick = QStringLiteral("wav\\click.wav");
const QString kTypekey = QStringLiteral("wav\\typekey.wav");

class MultipleTest : public QuizFixture {
protected:
    multiple& start(const CorrectLines& correct = standardCorrect()) {
        fillQuiz(QStringLiteral("Manchester Facts"), correct);
        return openQuiz();
    }
    static bool noneChosen(const multiple& quiz) {
        for (int k = 1; k <= 4; ++k) {
            if (quiz.Option1[k].Value()) {
                return false;
            }
        }
        return quiz.Option1[5].Value();
    }
};

TEST_F(MultipleTest, OpensOnQuestionOneWithNothingChosen) {
    state.score = 7;
    state.marks.fill(1);
    multiple& quiz = start();
    EXPECT_EQ(top(), &quiz);
    EXPECT_EQ(state.score, 0);
    EXPECT_EQ(state.maxscore, 10);
    EXPECT_EQ(state.questno, 1);
    for (int q = 1; q <= 10; ++q) {
        EXPECT_EQ(state.marks[q], 0) << q;
    }
    EXPECT_EQ(quiz.Label6.Caption(), QStringLiteral("Manchester Facts"));
    EXPECT_EQ(quiz.Label5.Caption(), QStringLiteral("Placeworks"));
    EXPECT_EQ(quiz.Label4.Caption(), QStringLiteral("Question 1"));
    EXPECT_EQ(quiz.Label2.Caption(), QStringLiteral("Question text 1"));
    EXPECT_EQ(quiz.Option1[3].text(), QStringLiteral("Answer 1C"));
    EXPECT_FALSE(quiz.Label3[0].Visible());
    EXPECT_EQ(quiz.Label3[1].Caption(), QStringLiteral("Next Question >>"));
    EXPECT_FALSE(quiz.Label3[3].Visible()) << "Print Worksheet is hidden";
    EXPECT_TRUE(noneChosen(quiz));
    EXPECT_EQ(quiz.Option1[1].palette().color(QPalette::Window), QColor(39, 63, 137));
    EXPECT_FALSE(quiz.Picture1.picture().isNull());
}

TEST_F(MultipleTest, TheNoChoiceOptionLiesUnderThePictureBox) {
    multiple& quiz = start();
    forms::OptionButton& hidden = quiz.Option1[5];
    EXPECT_FLOAT_EQ(hidden.Left(), 6840 + 240);
    EXPECT_FLOAT_EQ(hidden.Top(), 240 + 240);
    EXPECT_TRUE(hidden.Visible());
    // Every point of it is covered: a click there reaches the picture box.
    for (float dx : {1.0f, hidden.Width() / 2, hidden.Width() - 1}) {
        for (float dy : {1.0f, hidden.Height() / 2, hidden.Height() - 1}) {
            EXPECT_EQ(widgetAt(hidden.Left() + dx, hidden.Top() + dy), &quiz.Picture1);
        }
    }
    clickAt(hidden.Left() + hidden.Width() / 2, hidden.Top() + hidden.Height() / 2);
    EXPECT_TRUE(sound.played.isEmpty());
}

TEST_F(MultipleTest, OnlyThePupilsChoicePlaysTheKeySound) {
    multiple& quiz = start();
    EXPECT_TRUE(sound.played.isEmpty()) << "selecting the no-choice option is silent";
    choose(quiz, 2);
    EXPECT_TRUE(quiz.Option1[2].Value());
    EXPECT_FALSE(quiz.Option1[5].Value());
    EXPECT_EQ(sound.played, QStringList{kTypekey});
    next(quiz);
    EXPECT_EQ(sound.played, (QStringList{kTypekey, kClick}));
    EXPECT_TRUE(noneChosen(quiz));
    state.soundon = 0;
    choose(quiz, 1);
    next(quiz);
    EXPECT_EQ(sound.played.size(), 2);
}

TEST_F(MultipleTest, ButtonsFollowTheQuestion) {
    multiple& quiz = start();
    for (int q = 1; q < 10; ++q) {
        next(quiz);
    }
    EXPECT_EQ(quiz.Label4.Caption(), QStringLiteral("Question 10"));
    EXPECT_EQ(quiz.Label2.Caption(), QStringLiteral("Question text 10"));
    EXPECT_EQ(quiz.Option1[4].text(), QStringLiteral("Answer 10D"));
    EXPECT_EQ(quiz.Label3[1].Caption(), QStringLiteral("Check Score >>"));
    EXPECT_TRUE(quiz.Label3[0].Visible());
    click(quiz.Label3[0]);
    EXPECT_EQ(state.questno, 9);
    EXPECT_EQ(quiz.Label3[1].Caption(), QStringLiteral("Next Question >>"));
    for (int q = 9; q > 1; --q) {
        click(quiz.Label3[0]);
    }
    EXPECT_EQ(state.questno, 1);
    EXPECT_FALSE(quiz.Label3[0].Visible());
    EXPECT_EQ(sound.played.count(kClick), 9 + 9);
}

TEST_F(MultipleTest, GoingBackAndOnWithoutChoosingScoresZero) {
    multiple& quiz = start();
    for (int q = 1; q <= 4; ++q) {
        choose(quiz, rightAnswer(q));
        next(quiz);
    }
    ASSERT_EQ(state.marks[4], 1);
    click(quiz.Label3[0]); // back to question 4
    EXPECT_EQ(state.questno, 4);
    EXPECT_TRUE(noneChosen(quiz)) << "the earlier choice is not restored";
    next(quiz);
    EXPECT_EQ(state.marks[4], 0);
    EXPECT_EQ(state.marks[3], 1);
}

TEST_F(MultipleTest, ExitDiscardsTheRun) {
    multiple& quiz = start();
    choose(quiz, 1);
    next(quiz);
    click(quiz.Label3[2]);
    settle();
    EXPECT_FALSE(forms.isLoaded<multiple>());
    EXPECT_FALSE(forms.isLoaded<Welldone>());
    EXPECT_EQ(sound.played.last(), kClick);
    multiple& again = openQuiz();
    EXPECT_EQ(state.questno, 1);
    EXPECT_EQ(state.score, 0);
    EXPECT_EQ(state.marks[1], 0);
    EXPECT_EQ(again.Label4.Caption(), QStringLiteral("Question 1"));
}

TEST_F(MultipleTest, HoverLightsTheButtonUnderThePointer) {
    multiple& quiz = start();
    next(quiz); // Previous becomes visible
    forms::Label& previous = quiz.Label3[0];
    moveTo(400, 6000); // the screen's background
    for (int i : {0, 1, 2}) {
        EXPECT_EQ(quiz.Label3[i].backStyle(), forms::BackStyle::Transparent) << i;
    }
    moveTo(previous.Left() + 100, previous.Top() + 100);
    EXPECT_EQ(previous.backStyle(), forms::BackStyle::Opaque);
    EXPECT_EQ(quiz.Label3[1].backStyle(), forms::BackStyle::Transparent);
    moveTo(400, 6000);
    EXPECT_EQ(previous.backStyle(), forms::BackStyle::Transparent);
}

// A damaged correct-answer line scores its question 0, whatever is chosen.
class BadCorrectValue : public MultipleTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(BadCorrectValue, ScoresZeroAndGoesOn) {
    CorrectLines correct = standardCorrect();
    correct[0] = QString::fromLatin1(GetParam());
    multiple& quiz = start(correct);
    for (int k = 0; k <= 4; ++k) { // 0: no choice, the hidden option stays selected
        if (k > 0) {
            choose(quiz, k);
        }
        next(quiz);
        EXPECT_EQ(state.marks[1], 0) << "choice " << k;
        EXPECT_EQ(state.questno, 2);
        click(quiz.Label3[0]);
    }
}

INSTANTIATE_TEST_SUITE_P(Values, BadCorrectValue,
                         ::testing::Values("5", "0", "", "x", "-1", "12", "1.5"));

// The end of the quiz: score, the review's lines in question order without gaps, and the
// results screen over everything.
struct FinishCase {
    const char* name;
    std::vector<int> wrong; // questions answered wrongly (others right)
    bool unanswered;        // wrong ones left without a choice rather than a wrong choice
};

class Finish : public MultipleTest, public ::testing::WithParamInterface<FinishCase> {};

TEST_P(Finish, FillsTheReviewAndOpensTheResults) {
    const FinishCase& c = GetParam();
    multiple& quiz = start();
    std::array<int, 10> answers{};
    for (int q = 1; q <= 10; ++q) {
        const bool wrong = std::find(c.wrong.begin(), c.wrong.end(), q) != c.wrong.end();
        answers[q - 1] = !wrong ? rightAnswer(q) : c.unanswered ? 0 : rightAnswer(q) % 4 + 1;
    }
    answerAll(quiz, answers);
    settle();

    const int score = 10 - int(c.wrong.size());
    EXPECT_EQ(state.score, score);
    EXPECT_EQ(state.questno, 11);
    EXPECT_EQ(state.quizcaption, QStringLiteral("Placeworks"));
    EXPECT_FALSE(forms.isLoaded<multiple>());
    Welldone* results = forms.loaded<Welldone>();
    ASSERT_NE(results, nullptr);
    EXPECT_EQ(top(), results);
    EXPECT_FALSE(results->Label6.Visible());
    EXPECT_TRUE(results->Label5.Visible());
    EXPECT_TRUE(results->Label3[0].Visible());

    Wrong* review = forms.loaded<Wrong>();
    ASSERT_NE(review, nullptr) << "loaded also when nothing was wrong";
    EXPECT_FALSE(review->isVisible());
    EXPECT_EQ(review->Label6.Caption(), QStringLiteral("Manchester Facts"));
    for (int line = 0; line < 10; ++line) {
        const bool used = line < int(c.wrong.size());
        EXPECT_EQ(review->Label2[line].Visible(), used) << "line " << line;
        if (used) {
            const int q = c.wrong[line];
            EXPECT_EQ(review->Label2[line].Caption(),
                      QStringLiteral(" %1. Question text %1").arg(q));
        }
    }
    EXPECT_EQ(sound.played.last(), kClick);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Finish,
    ::testing::Values(FinishCase{"AllRight", {}, false},
                      FinishCase{"TwoFiveNine", {2, 5, 9}, false},
                      FinishCase{"FirstAndLast", {1, 10}, true},
                      FinishCase{"NothingAnswered", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MultipleTest, TenWrongLinesEndAtTop7080) {
    multiple& quiz = start();
    answerAll(quiz, {});
    Wrong* review = forms.loaded<Wrong>();
    ASSERT_NE(review, nullptr);
    EXPECT_FLOAT_EQ(review->Label2[9].Top(), 7080);
    EXPECT_EQ(review->Label2[9].Caption(), QStringLiteral(" 10. Question text 10"));
}

} // namespace
