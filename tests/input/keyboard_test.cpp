// The program without a pointer: Tab, the arrows, Enter, Space, Escape and M, and the
// words of the activities carried by keyboard.
#include "inputfixture.h"

#include "authoring/wizard.h"
#include "authoring/worksheets.h"
#include "quiz/multiple.h"
#include "quiz/scoring.h"
#include "quiz/welldone.h"
#include "quiz/wrong.h"
#include "reading/guide.h"
#include "reading/teacher.h"
#include "shell/casestudymenu.h"
#include "shell/intro0.h"
#include "shell/titlefrm.h"
#include "support/casestudyscreens.h"

#include <functional>

namespace {

class Keyboard : public InputFixture {};

TEST_F(Keyboard, APupilsWholeJourneyNeedsNoPointer) {
    start();
    pressKey(Qt::Key_Return); // "OK"
    intro0& menu = *loaded<intro0>();
    ASSERT_EQ(top(), &menu);
    ASSERT_TRUE(tabTo(menu.Label2[3]));
    pressKey(Qt::Key_Return);
    CaseStudyMenu& facts = *loaded<manchester1>();
    ASSERT_TRUE(tabTo(facts.label3[0]));
    pressKey(Qt::Key_Space); // "Multiple Choice"
    multiple& quiz = *loaded<multiple>();
    for (int q = 1; q <= 10; ++q) {
        for (int k = correctOption(state.correct[q]); k > 0; --k) {
            pressKey(Qt::Key_Down);
        }
        ASSERT_TRUE(tabTo(quiz.Label3[1])) << "question " << q;
        pressKey(Qt::Key_Return);
    }
    Welldone& results = *loaded<Welldone>();
    ASSERT_EQ(top(), &results);
    EXPECT_EQ(focus(), &results.Text1) << "the name box after full marks";
    type(QStringLiteral("Amira Khan"));
    pressKey(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focus(), &results.Label3[0]) << "\"Print Certificate\"";
    pressKey(Qt::Key_Return);
    EXPECT_TRUE(printer.log.contains(QStringLiteral("print 'Amira Khan' end")));
    pressKey(Qt::Key_Escape);
    ASSERT_EQ(top(), &facts);

    ASSERT_TRUE(tabTo(facts.label3[1]));
    pressKey(Qt::Key_Return); // "Labelling Activity"
    LabellingScreen& map = *loaded<manchester1lab>();
    for (int w = 0; w < map.itemCount(); ++w) {
        carry(map, w, map.Label1[w].rect());
    }
    ASSERT_TRUE(tabTo(map.Label3[2]));
    pressKey(Qt::Key_Return); // "Check Score"
    ASSERT_EQ(top(), loaded<Welldone>());
    EXPECT_EQ(state.score, 5);
}

TEST_F(Keyboard, FocusNeverFallsToTheCatalogueUnderTheResults) {
    writeFile(QStringLiteral("multiple/track.txt"), " 1 \r\nManchester Facts\r\n");
    intro0& menu = toMenu();
    click(menu.Label2[18]); // "Worksheet Catalogue"
    worksheets& catalogue = *loaded<worksheets>();
    click(catalogue.Label2[1]);
    multiple& quiz = *loaded<multiple>();
    for (int q = 1; q <= 10; ++q) {
        click(quiz.Label3[1]);
    }
    settle();
    Welldone& results = *loaded<Welldone>();
    ASSERT_EQ(top(), &results);
    EXPECT_TRUE(results.isAncestorOf(focus()));
    pressKey(Qt::Key_Space);
    EXPECT_EQ(catalogue.Check1.Value(), 0) << "\"Edit Worksheet\" under the results";
    pressKey(Qt::Key_Escape); // closes the review, or the results
    if (forms.isLoaded<Welldone>()) {
        pressKey(Qt::Key_Escape);
    }
    settle();
    ASSERT_EQ(top(), &catalogue);
    EXPECT_EQ(focus(), &catalogue.Label2[1]) << "the first title, not a tick box";
    click(catalogue.Label2[1]);
    EXPECT_EQ(top(), loaded<multiple>()) << "opened as a quiz again";
    EXPECT_FALSE(forms.isLoaded<wizard>());
}

// An activity, how to open it, and its screen once open.
struct ActivityCase {
    const char* name;
    bool facts;
    int entry; // 1 labelling, 3 ordering
    ActivityScreen* (*screen)(InputFixture&);
};

void PrintTo(const ActivityCase& c, std::ostream* os) {
    *os << c.name;
}

class KeyboardDrop : public Keyboard, public ::testing::WithParamInterface<ActivityCase> {
protected:
    struct Outcome {
        std::vector<std::pair<float, float>> places;
        int thuds;
        bool ready;
        bool operator==(const Outcome&) const = default;
    };
    Outcome outcome(ActivityScreen& s) {
        Outcome o{
            {}, int(sound.played.count(QStringLiteral("wav\\thud3.wav"))), s.Label3[2].Visible()};
        for (int i = 0; i < s.itemCount(); ++i) {
            o.places.emplace_back(s.Label2[i].Left(), s.Label2[i].Top());
        }
        return o;
    }
};

TEST_P(KeyboardDrop, IsThePointersDropAtTheSamePlace) {
    state.soundon = 1;
    CaseStudyMenu& m = GetParam().facts ? toFacts() : toDevelopment();
    click(m.label3[GetParam().entry]);
    ActivityScreen& s = *GetParam().screen(*this);
    const engine::Layout design = s.layout();
    std::vector<engine::Rect> stops = design.boxes;
    stops.insert(stops.end(), design.homes.begin(), design.homes.end());
    for (int w : {0, s.itemCount() - 1}) {
        for (const engine::Rect& stop : stops) {
            click(s.Label3[1]); // "Start Again"
            sound.played.clear();
            carry(s, w, {stop.left, stop.top, stop.width, stop.height});
            const Outcome byKeys = outcome(s);
            click(s.Label3[1]);
            sound.played.clear();
            mouseDrag(s.Label2[w],
                      centre(forms::TwipRect{stop.left, stop.top, stop.width, stop.height}));
            EXPECT_EQ(outcome(s), byKeys) << "word " << w << " to " << stop.left << "," << stop.top;
        }
    }
    pressKey(Qt::Key_Space); // picks the word up...
    const float left = s.Label2[s.itemCount() - 1].Left();
    pressKey(Qt::Key_Right);
    pressKey(Qt::Key_Escape); // ...and puts it back
    EXPECT_EQ(s.Label2[s.itemCount() - 1].Left(), left);
    EXPECT_EQ(top(), &s) << "Escape while carrying does not leave the screen";
}

template <class S> ActivityScreen* activity(InputFixture& f) {
    return f.loaded<S>();
}

INSTANTIATE_TEST_SUITE_P(
    EveryActivity, KeyboardDrop,
    ::testing::Values(ActivityCase{"BoroughMap", true, 1, activity<manchester1lab>},
                      ActivityCase{"Industries", false, 1, activity<manchester2lab>},
                      ActivityCase{"Sentences", true, 3, activity<manchester1ord>},
                      ActivityCase{"TrueOrFalse", false, 3, activity<manchester2ord>}),
    [](const auto& info) { return std::string(info.param.name); });

// A screen, how the pupil reaches it, and the screen that Escape leads back to.
struct EscapeCase {
    const char* name;
    std::function<void(InputFixture&)> open;
    std::function<forms::Screen*(InputFixture&)> after;
};

void PrintTo(const EscapeCase& c, std::ostream* os) {
    *os << c.name;
}

class Escape : public InputFixture, public ::testing::WithParamInterface<EscapeCase> {};

TEST_P(Escape, IsTheScreensExit) {
    GetParam().open(*this);
    settle();
    pressKey(Qt::Key_Escape);
    settle();
    EXPECT_EQ(top(), GetParam().after(*this));
}

template <class S> forms::Screen* screen(InputFixture& f) {
    return f.loaded<S>();
}

const EscapeCase kEscapes[] = {
    {"MainMenuAsksFirst", [](InputFixture& f) { f.toMenu(); }, screen<Titlefrm>},
    {"ExitConfirmationCancels",
     [](InputFixture& f) {
         f.toMenu();
         f.pressKey(Qt::Key_Escape);
     },
     screen<intro0>},
    {"CaseStudyMenu", [](InputFixture& f) { f.toFacts(); }, screen<intro0>},
    {"KeyFacts", [](InputFixture& f) { f.click(f.toFacts().label3[4]); }, screen<manchester1>},
    {"Guide", [](InputFixture& f) { f.click(f.toMenu().Label2[20]); }, screen<intro0>},
    {"Quiz", [](InputFixture& f) { f.click(f.toFacts().label3[0]); }, screen<manchester1>},
    {"Activity", [](InputFixture& f) { f.click(f.toFacts().label3[3]); }, screen<manchester1>},
    {"Wizard", [](InputFixture& f) { f.click(f.toMenu().Label2[17]); }, screen<intro0>},
    {"Catalogue", [](InputFixture& f) { f.click(f.toMenu().Label2[18]); }, screen<intro0>},
};

INSTANTIATE_TEST_SUITE_P(EveryScreen, Escape, ::testing::ValuesIn(kEscapes),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Keyboard, MSwitchesSoundOnEveryScreenAndTheMenusSwitchFollows) {
    start();
    pressKey(Qt::Key_M);
    EXPECT_FALSE(state.soundon.has_value()) << "no switch before the main menu has loaded";
    CaseStudyMenu& facts = toFacts();
    pressKey(Qt::Key_M);
    EXPECT_EQ(state.soundon, 0);
    intro0& menu = *loaded<intro0>();
    EXPECT_TRUE(menu.Option2.Value());
    sound.played.clear();
    click(facts.label3[2]); // "Exit"
    EXPECT_TRUE(sound.played.isEmpty());
    pressKey(Qt::Key_M);
    EXPECT_EQ(state.soundon, 1);
    EXPECT_TRUE(menu.Option1.Value());
}

} // namespace
