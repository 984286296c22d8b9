// Screen transitions and memory of the whole program on the shipped data folder.
#include "forms/twips.h"
#include "memory.h"
#include "transitions.h"

#include <QApplication>
#include <QDir>
#include <QStyleFactory>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Repaint as soon as the event loop runs, not after the platform's idle delay.
    qputenv("QT_QPA_UPDATE_IDLE_TIME", "0");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    forms::loadApplicationFonts();
    // Everything is read by the program's relative names, from the shipped data folder.
    QDir::setCurrent(QStringLiteral(PW_DATA_DIR));

    benchmark::RegisterBenchmark("memory/after every screen", memoryAfterEveryScreen)
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
    for (const Cycle& c : cycles()) {
        const std::string name = std::string("memory/open-close ") + c.screen;
        benchmark::RegisterBenchmark(name.c_str(), openCloseCycles, c)
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    }
    // On the design's own display, a projector and a 4K panel.
    for (const QSize size : {QSize(800, 600), QSize(1920, 1080), QSize(3840, 2160)}) {
        for (const Transition& t : transitions()) {
            const std::string name = std::string("transition/") + t.name + " @" +
                                     std::to_string(size.width()) + "x" +
                                     std::to_string(size.height());
            benchmark::RegisterBenchmark(name.c_str(), runTransition, t, size, Visit::Again)
                ->UseManualTime()
                ->Iterations(50)
                ->Unit(benchmark::kMillisecond);
        }
    }
    // The first visit of each screen on a 4K panel, where drawing is slowest.
    for (const Transition& t : transitions()) {
        const std::string name = std::string("first visit/") + t.name + " @3840x2160";
        benchmark::RegisterBenchmark(name.c_str(), runTransition, t, QSize(3840, 2160),
                                     Visit::First)
            ->UseManualTime()
            ->Iterations(10)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
