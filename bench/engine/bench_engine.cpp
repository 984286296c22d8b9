// The drag step runs on every pointer move and the drop test on every release; both must
// stay far below a frame's time on the ten-item screen.
#include "activities/engine/engine.h"
#include "engine/screendata.h"

#include <benchmark/benchmark.h>

namespace {

void dragStep(benchmark::State& state) {
    engine::Layout layout = screendata::trueFalse();
    engine::setUp(layout);
    engine::Rect& label = layout.labels[7];
    float x = 3000;
    for (auto _ : state) {
        engine::drag(label, 1, x, 190);
        x = -x;
        benchmark::DoNotOptimize(label);
    }
}
BENCHMARK(dragStep);

void dropTest(benchmark::State& state) {
    engine::Layout layout = screendata::trueFalse();
    engine::setUp(layout);
    for (auto _ : state) {
        layout.labels[7] = {4000, 3000, 5685, 375}; // in the overlap of a row's two boxes
        benchmark::DoNotOptimize(engine::drop(layout, 7));
        benchmark::DoNotOptimize(engine::ready(layout, 10));
    }
}
BENCHMARK(dropTest);

} // namespace

BENCHMARK_MAIN();
