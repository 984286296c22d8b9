#pragma once

#include "benchprogram.h"

#include <benchmark/benchmark.h>
#include <functional>
#include <typeinfo>
#include <vector>

// One screen change a user causes: prepare brings the program to the screen the
// change starts from and returns the control to click; arrives is the screen that
// must be on top, painted, afterwards.
struct Transition {
    const char* name;
    std::function<QWidget&(BenchProgram&)> prepare;
    const std::type_info* arrives;
};

const std::vector<Transition>& transitions();

// Clicks the control and runs the event loop until the screen then on top has been
// painted; returns the milliseconds taken.
double clickToPainted(BenchProgram& p, PaintWatch& watch, QWidget& control);

// How the screen a transition leads to was seen before.
enum class Visit {
    Again, // clicked again and again, as a lesson comes back to its screens
    First, // nothing drawn kept, but what the program draws ahead while the user reads the
           // screen the change starts from (it has kReadingMs to itself before the click)
};

// How long a pupil looks at a screen before clicking, at the quickest: long enough to
// read a menu's entry.
inline constexpr int kReadingMs = 400;

// On a display of that many pixels.
void runTransition(benchmark::State& st, const Transition& t, QSize display, Visit visit);
