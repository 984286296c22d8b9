// Clicks, the keyboard, touch and screen readers on the forms runtime, driven by real
// events through the display's window.
#include "forms/checkbox.h"
#include "forms/commandbutton.h"
#include "forms/controlarray.h"
#include "forms/display.h"
#include "forms/forms.h"
#include "forms/label.h"
#include "forms/optionbutton.h"
#include "forms/textbox.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QPointingDevice>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct Log {
    int clicks = 0;
    int escapes = 0;
};

forms::Forms* g_forms = nullptr;

// A screen of the full 12000 x 9000 twips.
class FullScreen : public forms::Screen {
public:
    using Context = Log;
    FullScreen() : Screen(*g_forms) {
        setWidth(12000);
        setHeight(9000);
    }
};

// A screen with one control of each kind that clicks, a drag-only label, an option
// group with a hidden member under a picture label, and an "Exit".
class Panel : public FullScreen {
public:
    explicit Panel(Log& log) {
        Menu.add(0, this).setRect(6000, 600, 3000, 400);
        Menu.add(1, this).setRect(600, 600, 3000, 400); // same line, further left
        Menu.add(2, this).setRect(600, 1500, 3000, 400);
        Menu.forEach(
            [](int i, forms::Label& l) { l.setCaption(QStringLiteral("Entry %1").arg(i)); });
        Menu.onClick([&log](int) { ++log.clicks; });
        Tick.setRect(600, 2400, 3000, 400);
        Tick.setCaption(QStringLiteral("Tick"));
        Tick.events.click = [&log] { ++log.clicks; };
        Push.setRect(600, 3000, 3000, 400);
        Push.setCaption(QStringLiteral("Push"));
        Push.events.click = [&log] { ++log.clicks; };
        for (int k = 1; k <= 3; ++k) {
            forms::OptionButton& o = Choice.add(k, this);
            o.setRect(k < 3 ? forms::TwipRect{600, 3600 + 600.0f * k, 3000, 400}
                            : forms::TwipRect{9300, 3900, 255, 255});
            o.setCaption(QStringLiteral("Choice %1").arg(k));
            m_group.add(o);
        }
        Choice.onClick([&log](int) { ++log.clicks; });
        Cover.setRect(9000, 3600, 1200, 900);
        Cover.setCaption(QStringLiteral("Cover"));
        Word.setRect(6000, 6000, 1500, 400);
        Word.setCaption(QStringLiteral("Word"));
        Word.events.mouseMove = [this](const forms::MouseArgs& a) {
            if (a.button == 1) {
                Word.move(Word.Left() + a.x - 750, Word.Top() + a.y - 200);
            }
        };
        Word.events.mouseUp = [this](const forms::MouseArgs&) { ++drops; };
        // A tall picture beside everything: reading order goes by the controls' lines.
        Picture.setRect(11600, 0, 300, 9000);
        Picture.setCaption(QStringLiteral("Picture"));
        Exit.add(0, this).setRect(10000, 8000, 1500, 400);
        Exit.onClick([&log](int) { ++log.escapes; });
        setExitControl(Exit[0]);
    }

    forms::ControlArray<forms::Label> Menu;
    forms::CheckBox Tick{this};
    forms::CommandButton Push{this};
    forms::ControlArray<forms::OptionButton> Choice; // Choice(3) lies under Cover
    forms::Label Cover{this};
    forms::Label Word{this};
    forms::Label Picture{this};
    forms::ControlArray<forms::Label> Exit;
    int drops = 0;

private:
    forms::OptionGroup m_group{this};
};

class Cover2 : public FullScreen {
public:
    explicit Cover2(Log& log) {
        Button.add(0, this).setRect(600, 600, 3000, 400);
        Button.onClick([&log](int) { ++log.clicks; });
    }
    QString screenTitle() const override { return QStringLiteral("Second screen"); }
    forms::ControlArray<forms::Label> Button;
};

class InputTest : public ::testing::Test {
protected:
    void SetUp() override {
        display.resize(800, 600);
        display.show();
        QApplication::setActiveWindow(&display);
        forms.setContext(&log);
        g_forms = &forms;
        forms.clickGuard().setClock([this] { return now; });
    }
    void TearDown() override {
        forms.unloadAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QWindow* window() { return display.windowHandle(); }
    static QPoint centre(const QWidget& w) { return w.mapTo(w.window(), w.rect().center()); }
    // Near the left end, where a tick box or an option has its indicator: Qt's boxes
    // take a click on the indicator and the caption only.
    static QPoint spot(const QWidget& w) { return w.mapTo(w.window(), QPoint(8, w.height() / 2)); }
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : &display, k, m);
    }
    QWidget* focus() const { return QApplication::focusWidget(); }

    forms::Display display;
    forms::Forms forms{display};
    Log log;
    qint64 now = 0;
};

// One kind of control that clicks: where to click it, and how many clicks it has had.
struct Clickable {
    const char* name;
    QWidget& (*control)(Panel&);
};

void PrintTo(const Clickable& c, std::ostream* os) {
    *os << c.name;
}

class DoubleClick : public InputTest, public ::testing::WithParamInterface<Clickable> {};

TEST_P(DoubleClick, DoubleAndTripleClicksAndATapAfterThemAreOneClick) {
    Panel& p = forms.show<Panel>();
    QWidget& target = GetParam().control(p);
    QTest::mouseDClick(window(), Qt::LeftButton, {}, spot(target));
    EXPECT_EQ(log.clicks, 1) << "a double-click";
    QTest::mouseClick(window(), Qt::LeftButton, {}, spot(target));
    EXPECT_EQ(log.clicks, 1) << "a third click straight after";
    now += 300; // within the pause that the third click started again
    QTest::mouseClick(window(), Qt::LeftButton, {}, spot(target));
    EXPECT_EQ(log.clicks, 1);
    now += 1000;
    QTest::mouseClick(window(), Qt::LeftButton, {}, spot(target));
    EXPECT_EQ(log.clicks, 2) << "a click after a pause is a click of its own";
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, DoubleClick,
    ::testing::Values(Clickable{"label", [](Panel& p) -> QWidget& { return p.Menu[0]; }},
                      Clickable{"tickbox", [](Panel& p) -> QWidget& { return p.Tick; }},
                      Clickable{"button", [](Panel& p) -> QWidget& { return p.Push; }},
                      Clickable{"option", [](Panel& p) -> QWidget& { return p.Choice[1]; }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(InputTest, ADoubleClickedTickBoxIsTickedOnce) {
    Panel& p = forms.show<Panel>();
    QTest::mouseDClick(window(), Qt::LeftButton, {}, spot(p.Tick));
    EXPECT_EQ(p.Tick.Value(), 1);
}

enum class Where { SamePlace, Elsewhere, ByKey };

struct GuardCase {
    const char* name;
    bool sameControl;
    bool screenChanged;
    qint64 gap;
    Where where;
    bool admitted;
};

void PrintTo(const GuardCase& c, std::ostream* os) {
    *os << c.name;
}

class Guard : public ::testing::TestWithParam<GuardCase> {};

TEST_P(Guard, SecondClick) {
    const GuardCase& c = GetParam();
    qint64 now = 0;
    forms::ClickGuard guard;
    guard.setClock([&now] { return now; });
    guard.setInterval(400);
    int a = 0, b = 0, screen1 = 0, screen2 = 0;
    guard.begin({&a, &screen1, QPointF(100, 100)});
    now += 50; // the handler's own time
    guard.end();
    now += c.gap;
    const std::optional<QPointF> at = c.where == Where::SamePlace   ? QPointF(105, 110)
                                      : c.where == Where::Elsewhere ? QPointF(300, 100)
                                                                    : std::optional<QPointF>();
    const void* top = c.screenChanged ? &screen2 : &screen1;
    EXPECT_EQ(guard.admits({c.sameControl ? &a : &b, top, at}), c.admitted);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Guard,
    ::testing::Values(
        GuardCase{"SameControlAtOnce", true, false, 100, Where::SamePlace, false},
        GuardCase{"SameControlByKey", true, false, 100, Where::ByKey, false},
        GuardCase{"SameControlAfterThePause", true, false, 400, Where::SamePlace, true},
        GuardCase{"PauseCountsFromTheEndOfTheHandler", true, false, 370, Where::SamePlace, false},
        GuardCase{"OtherControlOfTheSameScreen", false, false, 10, Where::Elsewhere, true},
        GuardCase{"NewScreenWhileItComesUp", false, true, 50, Where::Elsewhere, false},
        GuardCase{"NewScreenAtTheSamePlace", false, true, 200, Where::SamePlace, false},
        GuardCase{"NewScreenByKey", false, true, 200, Where::ByKey, false},
        GuardCase{"NewScreenElsewhereOnceUp", false, true, 200, Where::Elsewhere, true},
        GuardCase{"NewScreenAfterThePause", false, true, 400, Where::SamePlace, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GuardWhileRunning, NoClickPassesWhileAClickIsRunning) {
    forms::ClickGuard guard;
    int a = 0, b = 0, top = 0;
    guard.begin({&a, &top, QPointF(10, 10)});
    EXPECT_FALSE(guard.admits({&b, &top, QPointF(300, 10)}))
        << "a nested event loop (a message box) runs";
    guard.end();
    EXPECT_TRUE(guard.admits({&b, &top, QPointF(300, 10)}));
}

TEST_F(InputTest, AClickOnTheNewScreenWhileItComesUpDoesNothing) {
    Panel& p = forms.show<Panel>();
    p.Menu.onClick([this](int) { forms.show<Cover2>(); });
    Cover2& second = forms.get<Cover2>();
    second.Button[0].setRect(p.Menu[0].rect()); // right under the pointer
    QTest::mouseDClick(window(), Qt::LeftButton, {}, centre(p.Menu[0]));
    EXPECT_EQ(forms.topScreen(), &second);
    EXPECT_EQ(log.clicks, 0) << "the second click of the double-click lands on the new screen";
    now += 1000;
    QTest::mouseClick(window(), Qt::LeftButton, {}, centre(second.Button[0]));
    EXPECT_EQ(log.clicks, 1);
}

TEST_F(InputTest, OnlyTheScreenOnTopTakesTheFocus) {
    Panel& p = forms.show<Panel>();
    Cover2& second = forms.show<Cover2>();
    EXPECT_FALSE(p.isEnabled()) << "the covered screen";
    EXPECT_EQ(focus(), &second.Button[0]) << "the new top screen's first control";
    for (int i = 0; i < 5; ++i) {
        key(Qt::Key_Tab);
        EXPECT_TRUE(second.isAncestorOf(focus()));
    }
    forms.unload<Cover2>();
    EXPECT_TRUE(p.isEnabled());
    EXPECT_EQ(focus(), &p.Menu[1]) << "uncovered, the first control in reading order";
    EXPECT_TRUE(p.Menu[2].Enabled()) << "a control keeps its own Enabled flag";
}

TEST_F(InputTest, TabVisitsTheControlsInReadingOrderAndAGroupOnce) {
    Panel& p = forms.show<Panel>();
    p.Choice[1].setValue(true);
    const std::vector<QWidget*> expected = {&p.Menu[1], &p.Menu[0],   &p.Menu[2], &p.Tick,
                                            &p.Push,    &p.Choice[1], &p.Word,    &p.Exit[0]};
    EXPECT_EQ(p.tabStops(), expected) << "Choice(3) lies under Cover; the drag label counts";
    p.Menu[1].setFocus();
    for (std::size_t i = 1; i <= expected.size(); ++i) {
        key(Qt::Key_Tab);
        EXPECT_EQ(focus(), expected[i % expected.size()]) << "stop " << i;
    }
    key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focus(), expected.back()) << "Shift+Tab goes back round";
    key(Qt::Key_Down);
    EXPECT_EQ(focus(), expected.front()) << "an arrow that a label has no use for moves on";
    // The ring is drawn round the label that the keys reached, and round no other.
    const auto edge = [](QWidget& w) {
        return w.grab().toImage().pixelColor(w.width() - 2, w.height() / 2);
    };
    EXPECT_EQ(edge(p.Menu[1]), QColor(Qt::white));
    EXPECT_NE(edge(p.Menu[0]), QColor(Qt::white));
}

TEST_F(InputTest, ArrowsChooseAmongTheOptionsThatCanBeSeen) {
    Panel& p = forms.show<Panel>();
    p.Choice[3].setValue(true); // the hidden one, as the quiz's "no choice"
    p.Choice[3].setFocus();
    key(Qt::Key_Down);
    EXPECT_TRUE(p.Choice[1].Value());
    EXPECT_EQ(focus(), &p.Choice[1]);
    key(Qt::Key_Down);
    EXPECT_TRUE(p.Choice[2].Value());
    EXPECT_EQ(log.clicks, 2) << "each choice by key is a Click";
    key(Qt::Key_Down);
    EXPECT_EQ(focus(), &p.Word) << "past the last option the screen moves on";
    EXPECT_TRUE(p.Choice[2].Value());
}

TEST_F(InputTest, EnterAndSpaceClickEscapeExitsAutoRepeatDoesNot) {
    Panel& p = forms.show<Panel>();
    p.Menu[0].setFocus();
    key(Qt::Key_Return);
    now += 1000;
    key(Qt::Key_Space);
    now += 1000;
    QTest::keyEvent(QTest::Press, &p.Menu[0], Qt::Key_Space, Qt::NoModifier);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(&p.Menu[0], &repeat);
    EXPECT_EQ(log.clicks, 3);
    p.Tick.setFocus();
    now += 1000;
    key(Qt::Key_Return);
    EXPECT_EQ(p.Tick.Value(), 1) << "Enter ticks a box as Space does";
    key(Qt::Key_Escape);
    EXPECT_EQ(log.escapes, 1);
}

TEST_F(InputTest, TouchTapsAndDrags) {
    Panel& p = forms.show<Panel>();
    const std::unique_ptr<QPointingDevice> device(QTest::createTouchDevice());
    QPointingDevice* finger = device.get();
    QTest::touchEvent(window(), finger).press(0, centre(p.Menu[0]));
    QTest::touchEvent(window(), finger).release(0, centre(p.Menu[0]));
    EXPECT_EQ(log.clicks, 1) << "a tap";
    QTest::touchEvent(window(), finger).press(0, centre(p.Menu[0]));
    QTest::touchEvent(window(), finger).release(0, centre(p.Menu[0]));
    EXPECT_EQ(log.clicks, 1) << "a bouncing finger";
    const QPoint from = centre(p.Word);
    const QPoint to(200, 100);
    QTest::touchEvent(window(), finger).press(0, from);
    QTest::touchEvent(window(), finger).move(0, (from + to) / 2);
    QTest::touchEvent(window(), finger).move(0, to);
    QTest::touchEvent(window(), finger).release(0, to);
    EXPECT_LE((centre(p.Word) - to).manhattanLength(), 2) << "the word follows the finger";
    EXPECT_EQ(p.drops, 1);
    now += 1000;
    QTest::touchEvent(window(), finger).press(0, spot(p.Tick));
    QTest::touchEvent(window(), finger).release(0, spot(p.Tick));
    EXPECT_EQ(p.Tick.Value(), 1) << "Qt's own boxes take the mouse events Qt makes of a tap";
}

TEST_F(InputTest, ScreenReadersGetNamesRolesAndTheTitle) {
    Panel& p = forms.show<Panel>();
    forms.show<Cover2>();
    // The window's name is what screen readers announce as the screen comes up.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&display)->text(QAccessible::Name),
              QStringLiteral("Second screen - Placeworks"));
    QAccessibleInterface* screen = QAccessible::queryAccessibleInterface(forms.topScreen());
    EXPECT_EQ(screen->text(QAccessible::Name), QStringLiteral("Second screen"));

    QAccessibleInterface* entry = QAccessible::queryAccessibleInterface(&p.Menu[0]);
    EXPECT_EQ(entry->role(), QAccessible::Button);
    EXPECT_EQ(entry->text(QAccessible::Name), QStringLiteral("Entry 0"));
    QAccessibleInterface* cover = QAccessible::queryAccessibleInterface(&p.Cover);
    EXPECT_EQ(cover->role(), QAccessible::StaticText);
    p.Cover.setCaption(QString());
    EXPECT_TRUE(cover->state().invisible) << "an empty static label says nothing";
    p.Word.setAccessibleName(QStringLiteral("Word, in box 1 of 1"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&p.Word)->text(QAccessible::Name),
              QStringLiteral("Word, in box 1 of 1"));
    forms.unload<Cover2>();
    now += 1000;
    entry->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(log.clicks, 1) << "a screen reader's press clicks";
}

} // namespace
