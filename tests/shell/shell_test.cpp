#include "authoring/wizard.h"
#include "core/grey.h"
#include "media/sound/soundplayer.h"
#include "quiz/multiple.h"
#include "reading/guide.h"
#include "reading/teacher.h"
#include "shell/casestudymenu.h"
#include "shell/intro0.h"
#include "shell/titlefrm.h"
#include "support/casestudyscreens.h"

#include "support/programfixture.h"
#include <QFile>

#include <QTest>
#include <functional>

namespace {

const QString kClick = QStringLiteral("wav\\click.wav");

class ShellTest : public ProgramFixture {
protected:
    // Starts the program as main() does: the title screen over the backdrop.
    Titlefrm& start() { return forms.show<Titlefrm>(); }
    intro0& toMenu() {
        click(start().Command1);
        return *forms.loaded<intro0>();
    }
};

TEST_F(ShellTest, StartShowsTheTitleOverTheBackdrop) {
    Titlefrm& title = start();
    ASSERT_TRUE(forms.isLoaded<Grey>());
    EXPECT_EQ(top(), &title);
    EXPECT_EQ(forms.loaded<Grey>()->backColor(), QColor(48, 133, 214));
    EXPECT_EQ(forms.loaded<Grey>()->geometry(), QRect(0, 0, 800, 600));
    EXPECT_EQ(title.Caption(), QStringLiteral(" "));
    EXPECT_FLOAT_EQ(title.Left(), 6000 - 5460 / 2.0f);
    EXPECT_FLOAT_EQ(title.Top(), 4500 - 6570 / 2.0f);
}

TEST_F(ShellTest, ExitAtTheFirstTitlePlaysNoClickAndEnds) {
    click(start().Command2);
    EXPECT_TRUE(ended);
    EXPECT_TRUE(sound.played.isEmpty()) << "soundon is still empty";
}

TEST_F(ShellTest, OkShowsTheMenuThenClicks) {
    intro0& menu = toMenu();
    EXPECT_EQ(top(), &menu);
    EXPECT_FALSE(forms.isLoaded<Titlefrm>());
    EXPECT_EQ(state.soundon, 1);
    EXPECT_EQ(sound.played, QStringList{kClick});
}

TEST_F(ShellTest, MenuIsDressedAndItsPictureBoxesPlaced) {
    intro0& menu = toMenu();
    EXPECT_EQ(menu.backColor(), QColor(39, 63, 137));
    EXPECT_EQ(menu.Caption(), QStringLiteral("Placeworks"));
    EXPECT_EQ(menu.geometry(), QRect(0, 0, 800, 600))
        << "dressed screens fill an 800 x 600 display";
    EXPECT_EQ(menu.Label2[3].Caption(), QStringLiteral("Manchester: The Facts"));
    EXPECT_FALSE(menu.Label2.contains(11));
    EXPECT_TRUE(menu.Option1.Value());
}

TEST_F(ShellTest, SoundOffSurvivesTheExitConfirmationAndCancel) {
    intro0& menu = toMenu();
    sound.played.clear();
    click(menu.Option2);
    EXPECT_EQ(state.soundon, 0);
    click(menu.Label2[16]); // Exit
    Titlefrm* confirm = forms.loaded<Titlefrm>();
    ASSERT_NE(confirm, nullptr);
    EXPECT_EQ(confirm->Command1.Caption(), QStringLiteral("Cancel"));
    EXPECT_EQ(top(), confirm);
    // The backdrop was brought over the menu, so the confirmation stands alone.
    const auto& kids = display.children();
    EXPECT_GT(kids.indexOf(forms.loaded<Grey>()), kids.indexOf(&menu));
    click(confirm->Command1);
    settle();
    EXPECT_EQ(top(), &menu);
    EXPECT_EQ(state.soundon, 0) << "the menu stayed loaded";
    click(menu.Label2[16]);
    click(forms.loaded<Titlefrm>()->Command2);
    EXPECT_TRUE(ended);
    EXPECT_TRUE(sound.played.isEmpty());
}

TEST_F(ShellTest, HoverLightsEntriesUntilThePointerCrossesTheBackground) {
    intro0& menu = toMenu();
    QTest::mouseMove(&menu, QPoint(790, 100)); // the screen's own background
    EXPECT_EQ(menu.Label2[3].backStyle(), forms::BackStyle::Transparent);
    moveTo(1000, 6900); // over "Manchester: The Facts"
    moveTo(1000, 7350); // straight onto its neighbour
    EXPECT_EQ(menu.Label2[3].backStyle(), forms::BackStyle::Opaque);
    EXPECT_EQ(menu.Label2[4].backStyle(), forms::BackStyle::Opaque);
    moveTo(2000, 4200); // a heading: changes nothing
    EXPECT_EQ(menu.Label2[4].backStyle(), forms::BackStyle::Opaque);
    QTest::mouseMove(&menu, QPoint(790, 100));
    EXPECT_EQ(menu.Label2[4].backStyle(), forms::BackStyle::Transparent);
    EXPECT_EQ(menu.Label2[20].backStyle(), forms::BackStyle::Transparent);
}

TEST_F(ShellTest, SoundOffSurvivesVisitsToTheMenusTheGuideAndTheWizard) {
    intro0& menu = toMenu();
    click(menu.Option2);
    sound.played.clear();
    // Each visit leaves through its own Exit back to the menu, which stays loaded.
    const struct {
        int entry;
        std::function<void()> leave;
    } visits[] = {
        {3, [&] { click(loaded<manchester1>()->label3[2]); }},
        {4, [&] { click(loaded<manchester2>()->label3[2]); }},
        {20, [&] { click(forms.loaded<guide>()->Label3[1]); }},
        {17, [&] { click(forms.loaded<wizard>()->Label3[0]); }},
    };
    for (const auto& visit : visits) {
        click(menu.Label2[visit.entry]);
        ASSERT_NE(top(), &menu) << visit.entry;
        visit.leave();
        settle();
        EXPECT_EQ(top(), &menu) << visit.entry;
        EXPECT_EQ(state.soundon, 0) << visit.entry;
        EXPECT_FALSE(menu.Option1.Value());
    }
    EXPECT_TRUE(sound.played.isEmpty());
}

TEST_F(ShellTest, DamagedQuizFileLeavesTheLoadedQuizAsItWas) {
    writeFile(QStringLiteral("multiple/Manchester Facts.txt"),
              "Cut Short\r\n \r\nA new question\r\nA\r\nB\r\n");
    state.quiztitle = QStringLiteral("Earlier Quiz");
    state.questions[1] = QStringLiteral("An earlier question");
    state.correct[1] = QStringLiteral("2");
    intro0& menu = toMenu();
    click(menu.Label2[3]);
    CaseStudyMenu* facts = loaded<manchester1>();
    ASSERT_NE(facts, nullptr);
    click(facts->label3[0]); // Multiple Choice
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(dialogs.texts()[0].contains(QStringLiteral("Manchester Facts.txt")));
    EXPECT_EQ(top(), facts);
    EXPECT_FALSE(forms.isLoaded<multiple>());
    EXPECT_EQ(state.quiztitle, QStringLiteral("Earlier Quiz"));
    EXPECT_EQ(state.questions[1], QStringLiteral("An earlier question"));
    EXPECT_EQ(state.correct[1], QStringLiteral("2"));
}

TEST_F(ShellTest, CaseStudyMenuEntriesLightUntilThePointerCrossesTheBackground) {
    click(toMenu().Label2[3]);
    CaseStudyMenu& facts = *loaded<manchester1>();
    const auto lit = [&] {
        std::vector<int> out;
        facts.label3.forEach([&](int i, forms::Label& l) {
            if (l.backStyle() == forms::BackStyle::Opaque) {
                out.push_back(i);
            }
        });
        return out;
    };
    EXPECT_EQ(lit(), (std::vector<int>{0, 1, 2, 3, 4, 5})) << "opaque until the pointer moves";
    moveTo(500, 4000); // the background, left of the picture
    EXPECT_EQ(lit(), std::vector<int>{});
    moveTo(7000, 300);  // Key Facts
    moveTo(9000, 300);  // straight on to Teacher's Notes
    moveTo(6000, 4000); // the picture changes nothing
    EXPECT_EQ(lit(), (std::vector<int>{4, 5}));
    moveTo(500, 4000);
    EXPECT_EQ(lit(), std::vector<int>{});
}

// Records which screen is on top at each sound, to check that the click follows the
// screen that the entry shows.
class OrderedSound final : public media::SoundPlayer {
public:
    void Play(const QString&) override { tops.push_back(topNow()); }
    std::function<forms::Screen*()> topNow;
    std::vector<forms::Screen*> tops;
};

class ClickOrderTest : public ShellTest {
protected:
    ClickOrderTest() {
        ordered.topNow = [this] { return top(); };
        forms.setContext(&timed);
    }
    // Clicks an entry that shows or uncovers another screen, and checks that the click
    // was played with that screen already on top.
    void expectClickAfterShow(QWidget& entry) {
        forms::Screen* from = top();
        const size_t before = ordered.tops.size();
        click(entry);
        ASSERT_EQ(ordered.tops.size(), before + 1);
        EXPECT_NE(top(), from);
        EXPECT_EQ(ordered.tops.back(), top());
        settle();
    }

    OrderedSound ordered;
    Program timed{state, forms, ordered, printer, dialogs, pictures, random, files, [] {}};
};

TEST_F(ClickOrderTest, EveryEntryClicksAfterItsScreenIsShown) {
    expectClickAfterShow(start().Command1);
    intro0& menu = *forms.loaded<intro0>();
    expectClickAfterShow(menu.Label2[3]);
    CaseStudyMenu& facts = *loaded<manchester1>();
    for (int entry : {4, 5}) { // Key Facts, Teacher's Notes
        expectClickAfterShow(facts.label3[entry]);
        click(forms.loaded<teacher>()->Label3[1]);
        settle();
    }
    expectClickAfterShow(facts.label3[2]); // Exit uncovers the main menu
    EXPECT_EQ(top(), &menu);
    expectClickAfterShow(menu.Label2[20]);
    click(forms.loaded<guide>()->Label3[1]);
    settle();
    expectClickAfterShow(menu.Label2[19]);
    click(forms.loaded<teacher>()->Label3[1]);
    settle();
    expectClickAfterShow(menu.Label2[16]);
    EXPECT_NE(forms.loaded<Titlefrm>(), nullptr);
}

// An entry whose case-study file is missing or damaged says so plainly, loads nothing of
// the case study and leaves the main menu as it was; the other entries work as usual.
TEST_F(ShellTest, MissingOrDamagedCaseStudiesSaySoAndTheMenuStays) {
    emptyFolder(QStringLiteral("casestudies"));
    writeFile(QStringLiteral("casestudies/manchester2.json"), R"({"title": 12})");
    QFile::copy(QStringLiteral(PW_DATA_DIR "/casestudies/manchester1.json"),
                path(QStringLiteral("casestudies/manchester1.json")));
    intro0& menu = toMenu();
    const size_t screens = forms.loadedScreens().size();
    const struct {
        int index;
        QStringList said; // what the one message must contain
    } rows[] = {
        {15, {"\"Kinver: The Facts\"", "not installed"}},
        {10, {"\"Venice: Development\"", "not installed"}},
        {4, {"\"casestudies/manchester2.json\"", "damaged", "title", "text"}},
    };
    for (const auto& row : rows) {
        dialogs.shown.clear();
        click(menu.Label2[row.index]);
        ASSERT_EQ(dialogs.shown.size(), 1) << row.index;
        for (const QString& part : row.said) {
            EXPECT_TRUE(dialogs.shown[0].text.contains(part))
                << dialogs.shown[0].text.toStdString();
        }
        EXPECT_EQ(top(), &menu);
        EXPECT_EQ(forms.loadedScreens().size(), screens) << "nothing of the case study loaded";
    }
    dialogs.shown.clear();
    click(menu.Label2[3]);
    EXPECT_TRUE(dialogs.shown.isEmpty());
    ASSERT_NE(loaded<manchester1>(), nullptr);
    EXPECT_EQ(top(), loaded<manchester1>());
    EXPECT_EQ(loaded<manchester1>()->Label1.Caption(), QStringLiteral("Manchester: The Facts"));
}

TEST_F(ShellTest, MissingTitlePictureNeverStopsTheProgram) {
    emptyFolder(QStringLiteral("images"));
    Titlefrm& title = start();
    EXPECT_TRUE(title.Picture1.picture().isNull());
    EXPECT_EQ(dialogs.shown.size(), 1);
    click(title.Command1);
    EXPECT_NE(forms.loaded<intro0>(), nullptr);
    EXPECT_EQ(dialogs.shown.size(), 1)
        << "the menu's \"Images\\venicesm.jpg\" is the same file, already reported";
}

TEST_F(ShellTest, DressingCentresOnTheDisplayAtItsScale) {
    // A small display shrinks the screens to fit; a wide one leaves room either side.
    struct Case {
        QSize display;
        float left, top;
        QRect pixels;
    };
    for (const Case& c :
         {Case{{640, 480}, 0, 0, {0, 0, 640, 480}}, Case{{1000, 600}, 1500, 0, {100, 0, 800, 600}},
          Case{{1600, 1500}, 0, 1125, {0, 150, 1600, 1200}}}) {
        display.resize(c.display);
        intro0& menu = forms.get<intro0>();
        EXPECT_FLOAT_EQ(menu.Left(), c.left);
        EXPECT_FLOAT_EQ(menu.Top(), c.top);
        EXPECT_EQ(menu.geometry(), c.pixels);
        forms.unload<intro0>();
        settle();
    }
}

} // namespace
