// A pupil's quiz from the case-study menu and back, through real mouse clicks.
#include "quiz/quizfixture.h"
#include "shell/casestudymenu.h"
#include "shell/intro0.h"
#include "support/casestudyscreens.h"

namespace {

const QString kFacts = QStringLiteral("multiple/Manchester Facts.txt");

class WalkthroughTest : public QuizFixture {
protected:
    CaseStudyMenu& factsMenu() {
        intro0& menu = forms.show<intro0>();
        click(menu.Label2[3]); // "Manchester: The Facts"
        CaseStudyMenu* facts = loaded<manchester1>();
        EXPECT_NE(facts, nullptr);
        return *facts;
    }
    multiple* multipleChoice(CaseStudyMenu& menu) {
        click(menu.label3[0]);
        return forms.loaded<multiple>();
    }
};

TEST_F(WalkthroughTest, AWholeQuizFromTheMenuAndBack) {
    writeFile(kFacts, quizFileBytes(QStringLiteral("Manchester Facts")));
    CaseStudyMenu& menu = factsMenu();
    multiple* quiz = multipleChoice(menu);
    ASSERT_NE(quiz, nullptr);
    EXPECT_EQ(top(), quiz);
    EXPECT_EQ(quiz->Label5.Caption(), QStringLiteral("Placeworks"));
    EXPECT_EQ(quiz->Label6.Caption(), QStringLiteral("Manchester Facts"));
    EXPECT_FALSE(quiz->Picture1.picture().isNull());
    EXPECT_EQ(quiz->Label2.Caption(), QStringLiteral("Question text 1"));

    std::array<int, 10> answers{};
    for (int q = 1; q <= 10; ++q) {
        answers[q - 1] = rightAnswer(q);
    }
    answers[2] = rightAnswer(3) % 4 + 1; // question 3 wrong
    answers[6] = 0;                      // question 7 left open
    answerAll(*quiz, answers);
    settle();

    Welldone* results = forms.loaded<Welldone>();
    ASSERT_NE(results, nullptr);
    EXPECT_EQ(top(), results);
    EXPECT_EQ(results->Label1.Caption(), QStringLiteral("Good work. You have scored 8 out of 10."));
    runReward();
    EXPECT_TRUE(results->Label3[0].Visible());
    click(results->Label3[0]); // "Check Wrong Answers"
    Wrong* review = forms.loaded<Wrong>();
    ASSERT_NE(review, nullptr);
    EXPECT_EQ(top(), review);
    EXPECT_EQ(review->Label2[0].Caption(), QStringLiteral(" 3. Question text 3"));
    EXPECT_EQ(review->Label2[1].Caption(), QStringLiteral(" 7. Question text 7"));
    EXPECT_FALSE(review->Label2[2].Visible());

    click(review->Label3[1]); // "Exit"
    settle();
    EXPECT_EQ(top(), &menu);
    EXPECT_FALSE(forms.isLoaded<multiple>());
    EXPECT_FALSE(forms.isLoaded<Welldone>());
    EXPECT_FALSE(forms.isLoaded<Wrong>());
    EXPECT_TRUE(dialogs.shown.isEmpty()) << dialogs.texts().join('\n').toStdString();
}

TEST_F(WalkthroughTest, FullMarksExitFromTheResults) {
    writeFile(kFacts, quizFileBytes(QStringLiteral("Manchester Facts")));
    CaseStudyMenu& menu = factsMenu();
    multiple* quiz = multipleChoice(menu);
    ASSERT_NE(quiz, nullptr);
    std::array<int, 10> answers{};
    for (int q = 1; q <= 10; ++q) {
        answers[q - 1] = rightAnswer(q);
    }
    answerAll(*quiz, answers);
    settle();
    Welldone* results = forms.loaded<Welldone>();
    ASSERT_NE(results, nullptr);
    runReward();
    EXPECT_EQ(results->Label3[0].Caption(), QStringLiteral("Print Certificate"));
    EXPECT_TRUE(sound.played.contains(QStringLiteral("wav\\fanf2.wav")));
    click(results->Label3[1]);
    settle();
    EXPECT_EQ(top(), &menu);
    EXPECT_FALSE(forms.isLoaded<Welldone>());
    EXPECT_FALSE(forms.isLoaded<Wrong>());
}

// A missing or short quiz file: a message, and the menu stays; the quiz screen is never
// loaded with a half-read quiz.
struct BadFileCase {
    const char* name;
    int lines; // -1: no file at all
};

class BadQuizFile : public WalkthroughTest, public ::testing::WithParamInterface<BadFileCase> {};

TEST_P(BadQuizFile, ReportsAndStaysOnTheMenu) {
    QFile::remove(path(kFacts));
    if (GetParam().lines >= 0) {
        const QList<QByteArray> all = quizFileBytes(QStringLiteral("Cut Short")).split('\n');
        writeFile(kFacts, all.mid(0, GetParam().lines).join('\n') + '\n');
    }
    CaseStudyMenu& menu = factsMenu();
    sound.played.clear();
    EXPECT_EQ(multipleChoice(menu), nullptr);
    EXPECT_EQ(top(), &menu);
    EXPECT_EQ(dialogs.texts(),
              QStringList{QStringLiteral(
                  "The quiz file \"multiple\\Manchester Facts.txt\" is missing or damaged.")});
    EXPECT_EQ(sound.played, QStringList{QStringLiteral("wav\\click.wav")});
}

INSTANTIATE_TEST_SUITE_P(Files, BadQuizFile,
                         ::testing::Values(BadFileCase{"Missing", -1}, BadFileCase{"Empty", 0},
                                           BadFileCase{"ThirdQuestionCut", 20},
                                           BadFileCase{"LastSeparatorMissing", 71}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WalkthroughTest, ChoosingTheQuizAgainReloadsTheFile) {
    writeFile(kFacts, quizFileBytes(QStringLiteral("First Version")));
    CaseStudyMenu& menu = factsMenu();
    multiple* quiz = multipleChoice(menu);
    ASSERT_NE(quiz, nullptr);
    next(*quiz);
    click(quiz->Label3[2]); // "Exit"
    settle();
    EXPECT_EQ(top(), &menu);
    writeFile(kFacts, quizFileBytes(QStringLiteral("Second Version")));
    quiz = multipleChoice(menu);
    ASSERT_NE(quiz, nullptr);
    EXPECT_EQ(quiz->Label6.Caption(), QStringLiteral("Second Version"));
    EXPECT_EQ(state.questno, 1);
}

} // namespace
