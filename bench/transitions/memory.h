#pragma once

#include "benchprogram.h"

#include <benchmark/benchmark.h>
#include <functional>
#include <vector>

// Opening and closing one screen (or a pair the user opens and closes together).
struct Cycle {
    const char* screen;
    std::function<void(BenchProgram&)> open;
    std::function<void(BenchProgram&)> close;
};

const std::vector<Cycle>& cycles();

// Visits every screen by every transition once, then reads the resident memory.
void memoryAfterEveryScreen(benchmark::State& st);
// Resident memory growth over the cycles (1000, or PW_BENCH_CYCLES) of one screen.
void openCloseCycles(benchmark::State& st, const Cycle& c);
