// Every screen as the user sees it, compared with its reference rendering at 800 x 600.
// PW_UPDATE_SCREENS=1 writes the renderings as the new references instead.
#include "display/screentour.h"
#include "forms/timer.h"
#include "shell/titlefrm.h"
#include "support/programfixture.h"

#include <QApplication>
#include <QDir>

namespace {

QString referencePath(const char* name) {
    return QStringLiteral(PW_SOURCE_DIR "/tests/display/reference/%1.png")
        .arg(QString::fromLatin1(name));
}

// Pixels of two equally sized images whose colours differ by more than tolerance in a
// channel.
int differingPixels(const QImage& a, const QImage& b, int tolerance) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col) {
            if (qAbs(qRed(p[col]) - qRed(q[col])) > tolerance ||
                qAbs(qGreen(p[col]) - qGreen(q[col])) > tolerance ||
                qAbs(qBlue(p[col]) - qBlue(q[col])) > tolerance) {
                ++count;
            }
        }
    }
    return count;
}

class ScreensTest : public ProgramFixture, public ::testing::WithParamInterface<ScreenVisit> {
protected:
    ScreensTest() { QApplication::setCursorFlashTime(0); }

    // Stops the top screen's timers and runs each of them once, by hand.
    void tickOnce() {
        for (QObject* child : top()->findChildren<QObject*>()) {
            if (auto* t = dynamic_cast<forms::Timer*>(child)) {
                t->setEnabled(false);
                t->onTimer();
            }
        }
    }

    // Starts the program and clicks its way to the screen.
    QImage visit(const ScreenVisit& v) {
        forms.show<Titlefrm>();
        settle();
        for (const QPointF& at : v.clicks) {
            const QPointF p = onScreens(float(at.x()), float(at.y()));
            clickAt(float(p.x()), float(p.y()));
            if (v.freezeTimers) {
                tickOnce();
            }
            settle(20);
        }
        settle(40);
        return display.grab().toImage();
    }
};

TEST_P(ScreensTest, LooksAsDesignedAt800x600) {
    const ScreenVisit& v = GetParam();
    const QImage shot = visit(v);
    ASSERT_EQ(shot.size(), QSize(800, 600));
    if (qEnvironmentVariableIsSet("PW_UPDATE_SCREENS")) {
        QDir().mkpath(QStringLiteral(PW_SOURCE_DIR "/tests/display/reference"));
        ASSERT_TRUE(shot.convertToFormat(QImage::Format_RGB888).save(referencePath(v.name)));
        GTEST_SKIP() << "reference written";
    }
    const QImage reference(referencePath(v.name));
    ASSERT_EQ(reference.size(), shot.size()) << v.name;
    // Font rasterising may differ by a shade at a few glyph edges, nothing more.
    const int differing = differingPixels(shot, reference, 24);
    if (differing > 240) {
        shot.save(QDir::temp().filePath(QStringLiteral("screen-%1.png").arg(v.name)));
    }
    EXPECT_LE(differing, 240) << v.name << ": rendering kept in " << QDir::tempPath().toStdString();
}

std::string visitName(const ::testing::TestParamInfo<ScreenVisit>& info) {
    std::string name = info.param.name;
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(EveryScreen, ScreensTest, ::testing::ValuesIn(screenTour()), visitName);

} // namespace
