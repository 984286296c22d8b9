#pragma once

#include "common/paintwatch.h"
#include "fakes/fakeprogram.h"
#include "support/casestudyscreens.h"

#include <QObject>

class intro0;
class multiple;
class Titlefrm;
class Welldone;

// The real screens on silent services, reading the shipped data folder (the working
// directory), on a display of the given size that the platform has exposed.
struct BenchProgram : fakes::FakeProgram {
    // Each click stands for a user's separate action, long after the one before: the
    // guard against double-clicks sees a second go by at every look at its clock.
    explicit BenchProgram(QSize size = QSize(800, 600)) : FakeProgram(size) {
        forms.clickGuard().setClock([t = qint64(0)]() mutable { return t += 1000; });
    }

    // Runs what is pending (timers due, deferred deletes), as the event loop would
    // between two user actions.
    void settle();
    // Forgets what the fake services recorded, so that long runs do not grow them.
    void forget();
};

// The routes to the screens a transition starts from, each from a program with nothing
// loaded, by the handlers a user's clicks run. Not timed.
namespace route {
Titlefrm& title(BenchProgram& p);
intro0& menu(BenchProgram& p);
template <class Menu> CaseStudyMenu& caseStudy(BenchProgram& p);
multiple& quiz(BenchProgram& p, int question = 1);
Welldone& results(BenchProgram& p);
} // namespace route

// Resident memory of this process in kilobytes, after the allocator has handed back
// what it can, so that only memory still in use counts.
long residentKilobytes();
