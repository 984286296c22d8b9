// The display's scaling: twips become pixels at the largest scale that fits the design,
// pointer positions come back in twips, and a resize places and letters everything again.
#include "forms/display.h"
#include "forms/forms.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/optionbutton.h"
#include "forms/renderedpictures.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class Sample : public forms::Screen {
public:
    using Context = forms::Forms;
    explicit Sample(forms::Forms& forms) : Screen(forms) {
        setWidth(12000);
        setHeight(9000);
        Text.setRect(1500, 1500, 3000, 600);
        Text.setFont(forms::FontSpec{QStringLiteral("Arial"), 12});
        Text.events.mouseMove = [this](const forms::MouseArgs& a) { moves.push_back(a); };
        Choice.setRect(1500, 3000, 3000, 600);
    }
    // Centred as every dressed screen is.
    void Form_Load() override {
        const forms::Display& d = forms().displayWindow();
        setLeft(d.widthTwips() / 2 - 6000);
        setTop(d.heightTwips() / 2 - 4500);
    }

    forms::Label Text{this};
    forms::OptionButton Choice{this};
    std::vector<forms::MouseArgs> moves;
};

class Backdrop : public forms::Screen {
public:
    using Context = forms::Forms;
    explicit Backdrop(forms::Forms& forms) : Screen(forms) { setMaximised(true); }
};

class ScalingTest : public ::testing::Test {
protected:
    ScalingTest() { forms.setContext(&forms); }
    void resize(QSize size) {
        display.resize(size);
        display.show();
        QCoreApplication::processEvents();
    }

    forms::Display display;
    forms::Forms forms{display};
};

// The largest 4 : 3 rectangle on a display of that size, centred.
QRect designArea(QSize display) {
    const QSize size = QSize(800, 600).scaled(display, Qt::KeepAspectRatio);
    return QRect(
        QPoint((display.width() - size.width()) / 2, (display.height() - size.height()) / 2), size);
}

struct Fit {
    QSize display;
    float scale;
    QRect screen; // where a dressed screen lands, in pixels
};

class FitTest : public ScalingTest, public ::testing::WithParamInterface<Fit> {};

TEST_P(FitTest, TheDesignFillsTheHeightOrTheWidthCentred) {
    const Fit& f = GetParam();
    resize(f.display);
    EXPECT_FLOAT_EQ(display.scaling().scale(), f.scale);
    Sample& s = forms.show<Sample>();
    EXPECT_EQ(s.geometry(), f.screen);
    EXPECT_EQ(forms.show<Backdrop>().geometry(), QRect(QPoint(0, 0), f.display));
}

INSTANTIATE_TEST_SUITE_P(Displays, FitTest,
                         ::testing::Values(Fit{{800, 600}, 1.0f, {0, 0, 800, 600}},
                                           Fit{{1024, 768}, 1.28f, {0, 0, 1024, 768}},
                                           Fit{{1920, 1080}, 1.8f, {240, 0, 1440, 1080}},
                                           Fit{{2560, 1440}, 2.4f, {320, 0, 1920, 1440}},
                                           Fit{{3840, 2160}, 3.6f, {480, 0, 2880, 2160}},
                                           Fit{{1000, 600}, 1.0f, {100, 0, 800, 600}},
                                           Fit{{800, 1000}, 1.0f, {0, 200, 800, 600}}));

TEST_F(ScalingTest, PointerPositionsComeBackInTwips) {
    for (const QSize size : {QSize(800, 600), QSize(1920, 1080), QSize(1024, 768)}) {
        resize(size);
        Sample& s = forms.show<Sample>();
        s.moves.clear();
        const forms::Scaling scaling = display.scaling();
        const QPoint inside(37, 11);
        QTest::mouseMove(&s.Text, inside);
        ASSERT_EQ(s.moves.size(), 1u);
        EXPECT_FLOAT_EQ(s.moves[0].x, 37 * scaling.twipsPerPixel());
        EXPECT_FLOAT_EQ(s.moves[0].y, 11 * scaling.twipsPerPixel());
        if (size == QSize(800, 600)) {
            EXPECT_EQ(s.moves[0].x, 555.0f) << "15 twips to the pixel, exactly";
        }
        forms.unload<Sample>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(ScalingTest, AResizePlacesAndLettersEverythingAgain) {
    resize({800, 600});
    Sample& s = forms.show<Sample>();
    Backdrop& b = forms.show<Backdrop>();
    s.raise();
    const QRect text = s.Text.geometry();
    const int pixels = s.Text.font().pixelSize();
    const int indicator =
        s.Choice.style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, &s.Choice);

    resize({1920, 1080});
    EXPECT_FLOAT_EQ(s.Left(), 2000) << "kept centred, in twips";
    EXPECT_EQ(s.geometry(), QRect(240, 0, 1440, 1080));
    EXPECT_EQ(s.Text.geometry(), QRect(180, 180, 360, 72));
    EXPECT_FLOAT_EQ(s.Text.Left(), 1500) << "the design's twips are untouched";
    EXPECT_EQ(s.Text.font().pixelSize(), qRound(12 * 96.0f / 72.0f * 1.8f));
    EXPECT_EQ(s.Choice.style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, &s.Choice),
              qRound(indicator * 1.8f));
    EXPECT_EQ(b.geometry(), QRect(0, 0, 1920, 1080));

    resize({800, 600});
    EXPECT_EQ(s.geometry(), QRect(0, 0, 800, 600));
    EXPECT_EQ(s.Text.geometry(), text);
    EXPECT_EQ(s.Text.font().pixelSize(), pixels);
    EXPECT_EQ(b.geometry(), QRect(0, 0, 800, 600));
}

TEST_F(ScalingTest, F11SwitchesBetweenFullScreenAndAWindowAndTheScreensFollow) {
    display.showWindowed();
    display.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&display));
    Sample& s = forms.show<Sample>();
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_FALSE(display.isFullScreen());
    EXPECT_EQ(display.geometry(), forms::windowedGeometry(available));
    EXPECT_EQ(s.geometry(), QRect(QPoint(0, 0), display.size())) << "4 : 3, filled";

    QTest::keyClick(&s.Text, Qt::Key_F11);
    QCoreApplication::processEvents();
    EXPECT_TRUE(display.isFullScreen());
    EXPECT_EQ(display.size(), QGuiApplication::primaryScreen()->geometry().size());
    EXPECT_EQ(s.geometry(), designArea(display.size()));

    QTest::keyClick(&s.Text, Qt::Key_F11);
    QCoreApplication::processEvents();
    EXPECT_FALSE(display.isFullScreen());
    EXPECT_EQ(display.geometry(), forms::windowedGeometry(available));
}

TEST(WindowedGeometry, TakesThreeQuartersAt4To3InTheMiddle) {
    EXPECT_EQ(forms::windowedGeometry({0, 0, 1920, 1080}), QRect(420, 135, 1080, 810));
    EXPECT_EQ(forms::windowedGeometry({0, 30, 1024, 738}), QRect(143, 122, 738, 554));
}

TEST_F(ScalingTest, TextMeasuredForPrintingIgnoresTheDisplay) {
    const forms::FontSpec font;
    resize({800, 600});
    const float designed = forms::textWidthTwips(font, QStringLiteral("Manchester Facts"));
    resize({3840, 2160});
    EXPECT_FLOAT_EQ(forms::textWidthTwips(font, QStringLiteral("Manchester Facts")), designed);
    EXPECT_GT(designed, 0);
}

// A 100 x 100 pixel picture that counts its drawings: one paints its left half red, the
// other inverts everything beneath it.
class Counted final : public forms::PictureSource {
public:
    explicit Counted(bool inverts) : m_inverts(inverts) {}
    QSizeF sizeTwips() const override { return {1500, 1500}; }
    void draw(QPainter& p, const QRectF& target) const override {
        ++draws;
        if (m_inverts) {
            p.setCompositionMode(QPainter::RasterOp_NotDestination);
            p.fillRect(target, Qt::white);
            p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        } else {
            p.fillRect(QRectF(target.topLeft(), QSizeF(target.width() / 2, target.height())),
                       Qt::red);
        }
    }
    bool drawAlone(QPainter& p, const QRectF& target) const override {
        draw(p, target);
        return !m_inverts;
    }
    mutable int draws = 0;

private:
    bool m_inverts;
};

// A picture is kept once shown and copied at later paints, its clear parts showing what
// lies beneath; one that combines with what lies beneath is drawn in place at every paint.
TEST(RenderedPictures, AreDrawnOnceUnlessTheyCombineWithTheBackground) {
    forms::rendered::clear();
    for (const bool inverts : {false, true}) {
        SCOPED_TRACE(inverts ? "inverting" : "half red");
        QWidget backdrop;
        backdrop.resize(200, 200);
        backdrop.setAutoFillBackground(true);
        backdrop.setPalette(QPalette(QColor(0, 0, 255)));
        forms::Image image(&backdrop);
        image.move(750, 750);
        const auto source = std::make_shared<Counted>(inverts);
        image.setPicture(forms::Picture(source));
        for (int paint = 1; paint <= 3; ++paint) {
            const QImage shot = backdrop.grab().toImage();
            // Drawn onto the screen at the first paint and kept just after; the inverting
            // one is found out by that second drawing and drawn in place from then on.
            EXPECT_EQ(source->draws, paint == 1 ? 1 : inverts ? paint + 1 : 2);
            QCoreApplication::processEvents();
            EXPECT_EQ(shot.pixel(60, 100) & 0xFFFFFF, inverts ? 0xFFFF00u : 0xFF0000u);
            EXPECT_EQ(shot.pixel(140, 100) & 0xFFFFFF, inverts ? 0xFFFF00u : 0x0000FFu);
            EXPECT_EQ(shot.pixel(20, 20) & 0xFFFFFF, 0x0000FFu);
        }
    }
}

} // namespace
