// Time from a click on "Next Page" or "Previous Page" to the new page drawn: both
// drawings read and set, then the whole screen rendered as a repaint would. Every
// shipped page is visited; the counters give the median and the worst turn. Between two
// turns the program has a moment to itself, as while a page is read (it draws the pages
// either side ahead then); each run starts with no drawing kept.
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

// Turns through every page of the screen, forward to the last and back to the first,
// timing each turn until it has been drawn.
template <class Screen>
void turnPages(benchmark::State& st, Screen& screen, int pages, int& pageno) {
    QImage canvas(screen.size(), QImage::Format_ARGB32_Premultiplied);
    {
        // The screen has been drawn once before its first page is turned.
        QPainter painter(&canvas);
        screen.render(&painter);
    }
    std::vector<double> samples;
    int step = +1;
    for (auto _ : st) {
        readPage();
        if (pageno + step < 1 || pageno + step > pages) {
            step = -step;
        }
        const auto start = std::chrono::steady_clock::now();
        screen.Label3_Click(step > 0 ? reading::kNextPage : reading::kPreviousPage);
        QPainter painter(&canvas);
        screen.render(&painter);
        painter.end();
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

void keyFacts(benchmark::State& st, const char* pageset, int pagecount) {
    forms::rendered::clear();
    BenchProgram p(displayOf(st));
    p.state.pagecount = pagecount;
    p.state.pageset = QString::fromUtf8(pageset);
    teacher& viewer = p.forms.show<teacher>();
    turnPages(st, viewer, pagecount, p.state.pageno);
    if (!p.dialogs.shown.isEmpty()) {
        st.SkipWithError(p.dialogs.texts().join(QLatin1Char(' ')).toStdString().c_str());
    }
}

void BM_KeyFactsFacts(benchmark::State& st) {
    keyFacts(st, "key manchester1", 2);
}

void BM_KeyFactsDevelopment(benchmark::State& st) {
    keyFacts(st, "key manchester2", 3);
}

void BM_TeachersGuide(benchmark::State& st) {
    forms::rendered::clear();
    BenchProgram p(displayOf(st));
    p.state.pageno = 1;
    guide& g = p.forms.show<guide>();
    turnPages(st, g, guide::kPages, p.state.pageno);
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

BENCHMARK(BM_KeyFactsFacts)->Apply(displays);
BENCHMARK(BM_KeyFactsDevelopment)->Apply(displays);
BENCHMARK(BM_TeachersGuide)->Apply(displays);

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
