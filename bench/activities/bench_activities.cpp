// A drag step runs on every pointer move and a drop on every release; on the ten-item
// screen both must stay far below a frame's time, and a step may repaint only the label
// that moved and what it uncovers.
#include "fakes/fakeprogram.h"
#include "support/casestudyscreens.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <map>

namespace {

// A program on fakes with the true/false screen shown on an 800 x 600 display.
struct Bench : fakes::FakeProgram {
    Bench() {
        state.soundon = 1;
        screen = &casestudyscreens::openActivity<manchester2ord>(
            program, QStringLiteral("Manchester: Development"));
        QCoreApplication::processEvents();
    }

    OrderingScreen* screen = nullptr;
};

// Counts the paint events of the screen and of every label on it.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(ActivityScreen& s) {
        s.installEventFilter(this);
        for (QObject* child : s.children()) {
            if (auto* label = dynamic_cast<forms::Label*>(child)) {
                label->installEventFilter(this);
            }
        }
    }
    std::map<QObject*, int> paints;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints[watched];
        }
        return false;
    }
};

void sendMouse(QWidget& w, QEvent::Type type, QPoint local, Qt::MouseButtons held) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, local, w.mapToGlobal(local), button, held, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

// Between the boxes and the home slots: nothing but the screen's background lies there.
void toOpenBand(forms::Label& label) {
    const QPoint centre = label.QWidget::rect().center();
    const QPoint target = QPoint(400, 326) - label.mapTo(label.window(), centre);
    sendMouse(label, QEvent::MouseMove, centre + target, Qt::LeftButton);
    QCoreApplication::processEvents();
}

void dragStep(benchmark::State& st) {
    Bench b;
    forms::Label& label = b.screen->Label2[7];
    toOpenBand(label);
    PaintCounter counter(*b.screen);
    // The pointer goes to and fro between two points of the display; the label follows
    // it and cannot drift, whatever the rounding to pixels.
    const QPoint ends[2] = {QPoint(397, 326), QPoint(403, 326)};
    int k = 0;
    for (auto _ : st) {
        const QPoint local = ends[k] - label.mapTo(label.window(), QPoint(0, 0));
        sendMouse(label, QEvent::MouseMove, local, Qt::LeftButton);
        QCoreApplication::processEvents(); // the repaint
        k = 1 - k;
    }
    // The word label paints all of itself, so Qt moves its pixels instead of repainting
    // it, and repaints only the strip of background that the move uncovers.
    int others = 0;
    for (const auto& [widget, n] : counter.paints) {
        others += (widget == &label || widget == b.screen) ? 0 : n;
    }
    const int repaints = counter.paints[&label] + counter.paints[b.screen];
    st.counters["repaints"] = benchmark::Counter(repaints, benchmark::Counter::kAvgIterations);
    st.counters["otherLabelPaints"] = others;
    if (others != 0 || repaints < st.iterations()) {
        st.SkipWithError("each drag step must repaint what it uncovers and no other label");
    }
}
BENCHMARK(dragStep);

void dropTest(benchmark::State& st) {
    Bench b;
    forms::Label& label = b.screen->Label2[7];
    toOpenBand(label);
    for (auto _ : st) {
        sendMouse(label, QEvent::MouseButtonRelease, label.QWidget::rect().center(), Qt::NoButton);
    }
    if (!b.sound.played.isEmpty()) {
        st.SkipWithError("the label was meant to be dropped away from every box");
    }
}
BENCHMARK(dropTest);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Repaint as soon as the event loop runs, not after the platform's idle delay.
    qputenv("QT_QPA_UPDATE_IDLE_TIME", "0");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
