#include "forms/controlarray.h"
#include "forms/display.h"
#include "forms/drawahead.h"
#include "forms/forms.h"
#include "forms/label.h"
#include "forms/menuhover.h"
#include "forms/textbox.h"
#include "forms/timer.h"

#include <QApplication>
#include <QStyleFactory>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Log {
    std::vector<std::string> events;
};

// A small screen that records what happens to it.
class Probe : public forms::Screen {
public:
    using Context = Log;
    explicit Probe(Log& log) : Screen(*s_forms), m_log(log) {
        setWidth(12000);
        setHeight(9000);
        Button.setRect(1500, 1500, 3000, 600);
        Button.setBackStyle(forms::BackStyle::Opaque);
        Button.events.click = [this] { m_log.events.push_back("click"); };
        Button.events.mouseMove = [this](const forms::MouseArgs& a) {
            m_log.events.push_back("button move " + std::to_string(a.button) + " " +
                                   std::to_string(int(a.x)) + "," + std::to_string(int(a.y)));
        };
        Quiet.setRect(6000, 1500, 3000, 600);
        m_log.events.push_back("constructed");
    }
    void Form_Load() override {
        // A screen is registered before its Form_Load runs, so it can refer to itself.
        m_log.events.push_back(s_forms->isLoaded<Probe>() ? "load registered"
                                                          : "load unregistered");
    }
    void Form_MouseMove(int, int, float x, float y) override {
        m_log.events.push_back("form move " + std::to_string(int(x)) + "," +
                               std::to_string(int(y)));
    }

    forms::Label Button{this};
    forms::Label Quiet{this}; // no handlers: moves over it reach nobody

    static forms::Forms* s_forms;

private:
    Log& m_log;
};
forms::Forms* Probe::s_forms = nullptr;

class Other : public forms::Screen {
public:
    using Context = Log;
    explicit Other(Log&) : Screen(*Probe::s_forms) {
        setWidth(12000);
        setHeight(9000);
    }
};

class FormsTest : public ::testing::Test {
protected:
    void SetUp() override {
        display.resize(800, 600);
        display.show();
        forms.setContext(&log);
        Probe::s_forms = &forms;
    }

    forms::Display display;
    forms::Forms forms{display};
    Log log;
};

TEST_F(FormsTest, FirstReferenceLoadsOnceAndRegistersBeforeFormLoad) {
    Probe& a = forms.get<Probe>();
    Probe& b = forms.get<Probe>();
    EXPECT_EQ(&a, &b);
    EXPECT_EQ(log.events, (std::vector<std::string>{"constructed", "load registered"}));
    EXPECT_FALSE(a.isVisible()) << "touching a screen loads it hidden";
}

TEST_F(FormsTest, UnloadThenReferenceLoadsAFreshScreen) {
    Probe* first = &forms.get<Probe>();
    first->Button.setCaption(QStringLiteral("changed"));
    forms.unload<Probe>();
    EXPECT_FALSE(forms.isLoaded<Probe>());
    EXPECT_TRUE(first->unloaded());
    Probe& second = forms.get<Probe>();
    EXPECT_EQ(second.Button.Caption(), QString()) << "a new load starts from the design state";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(FormsTest, ShowingStacksScreensInTheOrderShown) {
    forms.show<Probe>();
    forms.show<Other>();
    EXPECT_EQ(forms.topScreen(), forms.loaded<Other>());
    forms.show<Probe>();
    EXPECT_EQ(forms.topScreen(), forms.loaded<Probe>()) << "showing a loaded screen raises it";
    forms.unload<Probe>();
    EXPECT_EQ(forms.topScreen(), forms.loaded<Other>()) << "unloading uncovers what lay beneath";
}

TEST_F(FormsTest, ControlConsumesItsOwnMouseMoves) {
    Probe& p = forms.show<Probe>();
    QTest::mouseMove(&p.Button, QPoint(10, 4));
    QTest::mouseMove(&p.Quiet, QPoint(10, 4));
    QTest::mouseMove(&p, QPoint(700, 500));
    ASSERT_GE(log.events.size(), 2u);
    std::vector<std::string> moves(log.events.begin() + 2, log.events.end());
    EXPECT_EQ(moves, (std::vector<std::string>{"button move 0 150,60", "form move 10500,7500"}));
}

TEST_F(FormsTest, ClickNeedsPressAndReleaseInsideWithTheLeftButton) {
    Probe& p = forms.show<Probe>();
    QTest::mouseClick(&p.Button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(&p.Button, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(std::count(log.events.begin(), log.events.end(), "click"), 1);
}

TEST_F(FormsTest, TwipPlacesBecomePixelsAtFifteenTwipsEach) {
    Probe& p = forms.show<Probe>();
    EXPECT_EQ(p.Button.geometry(), QRect(100, 100, 200, 40));
    p.Button.setLeft(2302.5f);
    EXPECT_FLOAT_EQ(p.Button.Left(), 2302.5f)
        << "twips are kept exactly, not read back from pixels";
    EXPECT_EQ(display.widthTwips(), 12000.0f);
    EXPECT_EQ(display.heightTwips(), 9000.0f);
}

TEST_F(FormsTest, MenuHoverLightsOneAndResetsAll) {
    Probe& p = forms.show<Probe>();
    forms::MenuHover hover;
    hover.add(p.Button);
    hover.add(p.Quiet);
    hover.reset();
    hover.highlight(p.Quiet);
    EXPECT_EQ(p.Quiet.backStyle(), forms::BackStyle::Opaque);
    EXPECT_EQ(p.Button.backStyle(), forms::BackStyle::Transparent);
    hover.reset();
    EXPECT_EQ(p.Quiet.backStyle(), forms::BackStyle::Transparent);
}

TEST_F(FormsTest, ControlArraysAllowGapsAndPassTheIndex) {
    Probe& p = forms.show<Probe>();
    forms::ControlArray<forms::Label> arr;
    arr.add(0, &p).setRect(0, 0, 1500, 300);
    arr.add(15, &p).setRect(0, 3000, 1500, 300);
    std::vector<int> clicked;
    arr.onClick([&](int i) { clicked.push_back(i); });
    QTest::mouseClick(&arr[15], Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(clicked, std::vector<int>{15});
    EXPECT_FALSE(arr.contains(11));
    EXPECT_THROW(arr[11], std::out_of_range);
}

TEST_F(FormsTest, UnloadStopsTheScreensTimers) {
    Probe& p = forms.show<Probe>();
    auto* timer = new forms::Timer(&p);
    int fired = 0;
    timer->onTimer = [&] { ++fired; };
    timer->setInterval(1);
    timer->setEnabled(true);
    forms.unload<Probe>();
    QTest::qWait(20);
    EXPECT_EQ(fired, 0);
}

// Drawings ahead begin a moment after the screen comes up and run in order; another screen
// coming on top between two of them stops the rest; coming up again starts them afresh.
TEST_F(FormsTest, DrawingsAheadRunWhileTheScreenIsOnTop) {
    Probe& p = forms.show<Probe>();
    std::vector<int> drawn;
    bool coverAfterFirst = false;
    forms::DrawAhead ahead(p, [&] {
        std::vector<forms::DrawAhead::Drawing> d;
        for (int i = 0; i < 3; ++i) {
            d.push_back([&, i] {
                drawn.push_back(i);
                if (coverAfterFirst) {
                    forms.show<Other>();
                }
            });
        }
        return d;
    });
    ahead.start();
    QCoreApplication::processEvents();
    EXPECT_TRUE(drawn.empty()) << "not before the pause";
    QTest::qWait(forms::DrawAhead::kPauseMs + 30);
    EXPECT_EQ(drawn, (std::vector<int>{0, 1, 2}));

    drawn.clear();
    coverAfterFirst = true;
    ahead.start();
    QTest::qWait(forms::DrawAhead::kPauseMs + 30);
    EXPECT_EQ(drawn, std::vector<int>{0});
}

TEST_F(FormsTest, TextBoxStopsAtItsLengthAndReportsEnter) {
    Probe& p = forms.show<Probe>();
    forms::TextBox box(&p);
    box.setMaxLength(5);
    box.setCharacterFilter([](QChar c) { return c != QLatin1Char('/'); });
    std::vector<int> keys;
    box.keyPress = [&](int k) { keys.push_back(k); };
    box.setFocus();
    QTest::keyClicks(&box, QStringLiteral("ab/cdefg"));
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(box.Text(), QStringLiteral("abcde"));
    EXPECT_EQ(keys.back(), 13);
}

TEST_F(FormsTest, TextSetByTheProgramIsKeptWholeButTypingStillStops) {
    Probe& p = forms.show<Probe>();
    forms::TextBox box(&p);
    box.setMaxLength(5);
    box.setText(QStringLiteral("abcdefgh"));
    EXPECT_EQ(box.Text(), QStringLiteral("abcdefgh"));
    box.setFocus();
    box.end(false);
    QTest::keyClicks(&box, QStringLiteral("x"));
    EXPECT_EQ(box.Text(), QStringLiteral("abcdefgh")) << "no typing beyond the limit";
    box.setText(QString());
    QTest::keyClicks(&box, QStringLiteral("123456789"));
    EXPECT_EQ(box.Text(), QStringLiteral("12345")) << "the designed limit holds again";
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // As the program runs: its style and its fonts.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    forms::loadApplicationFonts();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
