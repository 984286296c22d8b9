// A double-click is one click on every kind of control, and a click that lands on the
// screen that the first click brought up does nothing.
#include "inputfixture.h"

#include "authoring/wizard.h"
#include "authoring/worksheets.h"
#include "quiz/multiple.h"
#include "quiz/welldone.h"
#include "reading/pagecontrols.h"
#include "reading/teacher.h"
#include "shell/casestudymenu.h"
#include "shell/intro0.h"
#include "shell/titlefrm.h"
#include "support/casestudyscreens.h"

#include <functional>

namespace {

const QString kClick = QStringLiteral("wav\\click.wav");

// A control that clicks, on the screen where the pupil meets it, and what one click of it
// leaves behind.
struct DoubleClickCase {
    const char* name;
    std::function<QWidget&(InputFixture&)> reach;
    std::function<void(InputFixture&)> once;
};

void PrintTo(const DoubleClickCase& c, std::ostream* os) {
    *os << c.name;
}

class DoubleClick : public InputFixture, public ::testing::WithParamInterface<DoubleClickCase> {};

TEST_P(DoubleClick, RunsItOnce) {
    QWidget& control = GetParam().reach(*this);
    settle();
    sound.played.clear();
    doubleClick(control);
    settle();
    GetParam().once(*this);
}

template <class S> auto& loaded(InputFixture& f) {
    return *f.loaded<S>();
}

teacher& keyFactsOfDevelopment(InputFixture& f) {
    f.click(f.toDevelopment().label3[4]); // three pages
    return loaded<teacher>(f);
}

multiple& quiz(InputFixture& f) {
    f.click(f.toFacts().label3[0]);
    return loaded<multiple>(f);
}

const DoubleClickCase kCases[] = {
    {"MenuEntry", [](InputFixture& f) -> QWidget& { return f.toMenu().Label2[3]; },
     [](InputFixture& f) {
         EXPECT_EQ(f.top(), f.loaded<manchester1>());
         EXPECT_EQ(f.sound.played, QStringList{kClick});
     }},
    {"ExitOverTheMainMenusExit", [](InputFixture& f) -> QWidget& { return f.toFacts().label3[2]; },
     [](InputFixture& f) {
         EXPECT_EQ(f.top(), f.loaded<intro0>())
             << "the second click would have opened the exit confirmation";
         EXPECT_FALSE(f.forms.isLoaded<Titlefrm>());
     }},
    {"CommandButton", [](InputFixture& f) -> QWidget& { return f.start().Command1; },
     [](InputFixture& f) {
         EXPECT_EQ(f.top(), f.loaded<intro0>());
         EXPECT_EQ(f.sound.played, QStringList{kClick});
     }},
    {"NextPage",
     [](InputFixture& f) -> QWidget& {
         return keyFactsOfDevelopment(f).Label3[reading::kNextPage];
     },
     [](InputFixture& f) {
         EXPECT_EQ(f.state.pageno, 2);
         EXPECT_EQ(loaded<teacher>(f).Label1.Caption(), QStringLiteral("Page 2 of 3"));
     }},
    {"Print",
     [](InputFixture& f) -> QWidget& { return keyFactsOfDevelopment(f).Label3[reading::kPrint]; },
     [](InputFixture& f) { EXPECT_EQ(f.printer.jobsBegun, 1); }},
    {"NextQuestion", [](InputFixture& f) -> QWidget& { return quiz(f).Label3[1]; },
     [](InputFixture& f) {
         EXPECT_EQ(f.state.questno, 2);
         EXPECT_EQ(loaded<multiple>(f).Label4.Caption(), QStringLiteral("Question 2"));
     }},
    {"AnswerOption", [](InputFixture& f) -> QWidget& { return quiz(f).Option1[2]; },
     [](InputFixture& f) {
         EXPECT_TRUE(loaded<multiple>(f).Option1[2].Value());
         EXPECT_EQ(f.sound.played, QStringList{QStringLiteral("wav\\typekey.wav")});
     }},
    {"TickBox", [](InputFixture& f) -> QWidget& { return f.forms.show<worksheets>().Check1; },
     [](InputFixture& f) { EXPECT_EQ(loaded<worksheets>(f).Check1.Value(), 1); }},
    {"CheckScore",
     [](InputFixture& f) -> QWidget& {
         f.click(f.toDevelopment().label3[1]);
         LabellingScreen& s = loaded<manchester2lab>(f);
         InputFixture::placeAll(s);
         return s.Label3[2];
     },
     [](InputFixture& f) {
         EXPECT_EQ(f.top(), f.loaded<Welldone>());
         EXPECT_EQ(f.sound.played.count(kClick), 1);
     }},
};

INSTANTIATE_TEST_SUITE_P(EveryKindOfControl, DoubleClick, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
