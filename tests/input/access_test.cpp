// What a screen reader finds on every screen: a name for the screen and for every
// control, the question with its number, and each word with where it lies.
#include "inputfixture.h"

#include "authoring/worksheets.h"
#include "quiz/multiple.h"
#include "quiz/welldone.h"
#include "shell/casestudymenu.h"
#include "shell/intro0.h"
#include "shell/titlefrm.h"
#include "support/casestudyscreens.h"

#include <QAccessible>
#include <functional>

namespace {

struct ScreenCase {
    const char* name;
    std::function<void(InputFixture&)> open;
};

void PrintTo(const ScreenCase& c, std::ostream* os) {
    *os << c.name;
}

class Names : public InputFixture, public ::testing::WithParamInterface<ScreenCase> {};

QString nameOf(QObject* o) {
    return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name);
}

TEST_P(Names, EveryControlOnTheScreenHasOne) {
    GetParam().open(*this);
    settle(30); // the results screen's reward sequence
    ASSERT_NE(top(), nullptr);
    expectNamed(*top());
}

// The screens of the case studies are walked, file by file, in casestudies_test.cpp.
const ScreenCase kScreens[] = {
    {"Title", [](InputFixture& f) { f.start(); }},
    {"MainMenu", [](InputFixture& f) { f.toMenu(); }},
    {"ExitConfirmation", [](InputFixture& f) { f.click(f.toMenu().Label2[16]); }},
    {"Acknowledgments", [](InputFixture& f) { f.click(f.toMenu().Label2[19]); }},
    {"Guide", [](InputFixture& f) { f.click(f.toMenu().Label2[20]); }},
    {"Results",
     [](InputFixture& f) {
         f.state.score = 10;
         f.state.maxscore = 10;
         f.forms.show<Welldone>();
     }},
    {"WrongAnswers",
     [](InputFixture& f) {
         f.click(f.toFacts().label3[0]);
         multiple& quiz = *f.loaded<multiple>();
         for (int q = 1; q <= 10; ++q) {
             f.click(quiz.Label3[1]);
         }
         f.click(f.loaded<Welldone>()->Label3[0]);
     }},
    {"Wizard", [](InputFixture& f) { f.click(f.toMenu().Label2[17]); }},
    {"Catalogue",
     [](InputFixture& f) {
         f.writeFile(QStringLiteral("multiple/track.txt"), " 1 \r\nManchester Facts\r\n");
         f.click(f.toMenu().Label2[18]);
     }},
};

INSTANTIATE_TEST_SUITE_P(EveryScreen, Names, ::testing::ValuesIn(kScreens),
                         [](const auto& info) { return std::string(info.param.name); });

class Spoken : public InputFixture {};

TEST_F(Spoken, TheQuestionComesWithItsNumber) {
    click(toFacts().label3[0]);
    multiple& quiz = *loaded<multiple>();
    click(quiz.Label3[1]);
    const QString expected = QStringLiteral("Question 2 of 10: ") + state.questions[2];
    EXPECT_EQ(nameOf(&quiz.Label2), expected);
    EXPECT_EQ(nameOf(&quiz.Option1[5]), expected) << "where the focus rests";
}

TEST_F(Spoken, AWordSaysWhereItLies) {
    click(toFacts().label3[3]); // sentence completion
    OrderingScreen& s = *loaded<manchester1ord>();
    EXPECT_EQ(nameOf(&s.Label2[2]), QStringLiteral("the Irwell., in the word list"));
    s.Label2[2].move(s.Label1[2].Left(), s.Label1[2].Top());
    s.Label2_MouseUp(2, 1, 0, 0, 0);
    EXPECT_EQ(nameOf(&s.Label2[2]),
              QStringLiteral("the Irwell., in box 5 of 6, after \"The principal river of "
                             "Manchester is\""));
    click(s.Label3[0]);
    click(toDevelopment().label3[3]); // true or false
    OrderingScreen& t = *loaded<manchester2ord>();
    t.Label2[8].move(t.Label1[8].Left(), t.Label1[8].Top());
    t.Label2_MouseUp(8, 1, 0, 0, 0);
    EXPECT_EQ(nameOf(&t.Label2[8]),
              QStringLiteral("Manchester was founded in Roman times., in box 1 of 10, under "
                             "\"True\""));
}

} // namespace
