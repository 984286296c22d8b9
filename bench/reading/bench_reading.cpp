// Time from a click on "Next Page" or "Previous Page" to the new page drawn: both
// drawings read and set, then drawn. Two ways of drawing are timed: the repaint the
// window runs (only what changed: the page and its counter) and the whole screen rendered
// again, which also fills the backdrop and draws every control. Every shipped page is
// visited; the counters give the median and the worst turn. Between two turns the program
// has a moment to itself, as while a page is read (it draws the pages either side ahead
// then); each run starts with no drawing kept.
#include "common/paintwatch.h"
#include "core/program.h"
#include "fakes/fakeprogram.h"
#include "forms/renderedpictures.h"
#include "reading/guide.h"
#include "reading/pagecontrols.h"
#include "reading/pagesahead.h"
#include "reading/teacher.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

using BenchProgram = fakes::FakeProgram;

// The event loop runs for a little longer than the pause before pages are drawn ahead.
void readPage() {
    QElapsedTimer reading;
    reading.start();
    while (reading.elapsed() < reading::PagesAhead::kPauseMs + 50) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

enum class Drawing {
    Repaint,     // the window's own repaint after the click, by the event loop
    WholeScreen, // every control of the screen rendered again into an image
};

// Turns through every page of the screen, forward to the last and back to the first,
// timing each turn until it has been drawn.
template <class Screen>
void turnPages(benchmark::State& st, Screen& screen, int pages, int& pageno, Drawing drawing) {
    QImage canvas(screen.size(), QImage::Format_ARGB32_Premultiplied);
    {
        // The screen has been drawn once before its first page is turned.
        QPainter painter(&canvas);
        screen.render(&painter);
    }
    PaintWatch page;
    std::vector<double> samples;
    int step = +1;
    for (auto _ : st) {
        readPage();
        if (pageno + step < 1 || pageno + step > pages) {
            step = -step;
        }
        page.watch(&screen.Image1);
        const auto start = std::chrono::steady_clock::now();
        screen.Label3_Click(step > 0 ? reading::kNextPage : reading::kPreviousPage);
        if (drawing == Drawing::Repaint) {
            // The event loop paints every changed control of the window in the same turn.
            const auto limit = start + std::chrono::seconds(2);
            while (!page.painted() && std::chrono::steady_clock::now() < limit) {
                QCoreApplication::processEvents(QEventLoop::AllEvents);
            }
            if (!page.painted()) {
                st.SkipWithError("the page was not repainted");
                break;
            }
        } else {
            QPainter painter(&canvas);
            screen.render(&painter);
        }
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        samples.push_back(took.count());
        st.SetIterationTime(took.count() / 1000);
        benchmark::DoNotOptimize(canvas.constBits());
    }
    if (!samples.empty()) {
        std::sort(samples.begin(), samples.end());
        st.counters["median_ms"] = samples[samples.size() / 2];
        st.counters["worst_ms"] = samples.back();
    }
}

// The display's size comes as the benchmark's two arguments, width and height.
QSize displayOf(const benchmark::State& st) {
    return QSize(int(st.range(0)), int(st.range(1)));
}

void keyFacts(benchmark::State& st, const char* pageset, int pagecount, Drawing drawing) {
    forms::rendered::clear();
    BenchProgram p(displayOf(st));
    p.state.pagecount = pagecount;
    p.state.pageset = QString::fromUtf8(pageset);
    teacher& viewer = p.forms.show<teacher>();
    turnPages(st, viewer, pagecount, p.state.pageno, drawing);
    if (!p.dialogs.shown.isEmpty()) {
        st.SkipWithError(p.dialogs.texts().join(QLatin1Char(' ')).toStdString().c_str());
    }
}

void BM_KeyFactsFacts(benchmark::State& st, Drawing drawing) {
    keyFacts(st, "key manchester1", 2, drawing);
}

void BM_KeyFactsDevelopment(benchmark::State& st, Drawing drawing) {
    keyFacts(st, "key manchester2", 3, drawing);
}

void BM_TeachersGuide(benchmark::State& st, Drawing drawing) {
    forms::rendered::clear();
    BenchProgram p(displayOf(st));
    p.state.pageno = 1;
    guide& g = p.forms.show<guide>();
    turnPages(st, g, guide::kPages, p.state.pageno, drawing);
    if (!p.dialogs.shown.isEmpty()) {
        st.SkipWithError(p.dialogs.texts().join(QLatin1Char(' ')).toStdString().c_str());
    }
}

// On the design's own display, a projector and a 4K panel.
void displays(benchmark::internal::Benchmark* b) {
    b->ArgNames({"width", "height"});
    b->Args({800, 600})->Args({1920, 1080})->Args({3840, 2160});
    b->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(40);
}

BENCHMARK_CAPTURE(BM_KeyFactsFacts, repaint, Drawing::Repaint)->Apply(displays);
BENCHMARK_CAPTURE(BM_KeyFactsDevelopment, repaint, Drawing::Repaint)->Apply(displays);
BENCHMARK_CAPTURE(BM_TeachersGuide, repaint, Drawing::Repaint)->Apply(displays);
BENCHMARK_CAPTURE(BM_KeyFactsFacts, whole_screen, Drawing::WholeScreen)->Apply(displays);
BENCHMARK_CAPTURE(BM_KeyFactsDevelopment, whole_screen, Drawing::WholeScreen)->Apply(displays);
BENCHMARK_CAPTURE(BM_TeachersGuide, whole_screen, Drawing::WholeScreen)->Apply(displays);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    forms::loadApplicationFonts();
    // The pages are read by the program's relative names, from the shipped data folder.
    QDir::setCurrent(QStringLiteral(PW_DATA_DIR));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
