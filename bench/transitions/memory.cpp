// Resident memory after every screen has been visited, and its growth over many
// open/close cycles of each screen, each cycle through the handlers of the user's
// clicks, with deferred deletes run in between.
#include "memory.h"

#include "activities/activityscreen.h"
#include "authoring/wizard.h"
#include "authoring/worksheets.h"
#include "quiz/multiple.h"
#include "quiz/welldone.h"
#include "quiz/wrong.h"
#include "reading/guide.h"
#include "reading/pagecontrols.h"
#include "reading/teacher.h"
#include "shell/casestudymenu.h"
#include "shell/intro0.h"
#include "shell/titlefrm.h"
#include "transitions.h"

#include <QTest>

namespace {

intro0& menu(BenchProgram& p) {
    return *p.forms.loaded<intro0>();
}

template <class Menu> void fromCase(BenchProgram& p, int entry) {
    casestudyscreens::get<Menu>(p.program).label3_Click(entry);
}

template <class S> void exitBy(BenchProgram& p, int button) {
    casestudyscreens::loaded<S>(p.program)->Label3_Click(button);
}

void quizToReview(BenchProgram& p) {
    fromCase<manchester1>(p, 0);
    multiple& q = *p.forms.loaded<multiple>();
    for (int i = 1; i <= 10; ++i) {
        q.Label3_Click(1);
    }
    p.forms.loaded<Welldone>()->Label3_Click(0);
}

// Each cycle starts and ends with the main menu and both case-study menus loaded, the
// facts menu on top.
const std::vector<Cycle> kCycles = {
    {"Titlefrm (exit confirmation)", [](BenchProgram& p) { menu(p).Label2_Click(16); },
     [](BenchProgram& p) { p.forms.loaded<Titlefrm>()->Command1_Click(); }},
    {"manchester2", [](BenchProgram& p) { menu(p).Label2_Click(4); },
     [](BenchProgram& p) { casestudyscreens::loaded<manchester2>(p.program)->label3_Click(2); }},
    {"teacher (key facts)", [](BenchProgram& p) { fromCase<manchester1>(p, 4); },
     [](BenchProgram& p) { exitBy<teacher>(p, reading::kExit); }},
    {"teacher (notes)", [](BenchProgram& p) { fromCase<manchester2>(p, 5); },
     [](BenchProgram& p) { exitBy<teacher>(p, reading::kExit); }},
    {"teacher (acknowledgments)", [](BenchProgram& p) { menu(p).Label2_Click(19); },
     [](BenchProgram& p) { exitBy<teacher>(p, reading::kExit); }},
    {"guide", [](BenchProgram& p) { menu(p).Label2_Click(20); },
     [](BenchProgram& p) { exitBy<guide>(p, reading::kExit); }},
    {"wizard", [](BenchProgram& p) { menu(p).Label2_Click(17); },
     [](BenchProgram& p) { exitBy<wizard>(p, 0); }},
    {"worksheets (and intro0)", [](BenchProgram& p) { menu(p).Label2_Click(18); },
     [](BenchProgram& p) { p.forms.loaded<worksheets>()->Label2_Click(0); }},
    {"multiple", [](BenchProgram& p) { fromCase<manchester1>(p, 0); },
     [](BenchProgram& p) { exitBy<multiple>(p, 2); }},
    {"Welldone and Wrong", quizToReview, [](BenchProgram& p) { exitBy<Wrong>(p, 1); }},
    {"manchester1lab", [](BenchProgram& p) { fromCase<manchester1>(p, 1); },
     [](BenchProgram& p) { exitBy<manchester1lab>(p, 0); }},
    {"manchester2lab", [](BenchProgram& p) { fromCase<manchester2>(p, 1); },
     [](BenchProgram& p) { exitBy<manchester2lab>(p, 0); }},
    {"manchester1ord", [](BenchProgram& p) { fromCase<manchester1>(p, 3); },
     [](BenchProgram& p) { exitBy<manchester1ord>(p, 0); }},
    {"manchester2ord", [](BenchProgram& p) { fromCase<manchester2>(p, 3); },
     [](BenchProgram& p) { exitBy<manchester2ord>(p, 0); }},
};

void atCaseStudyMenus(BenchProgram& p) {
    route::caseStudy<manchester2>(p);
    menu(p).Label2_Click(3);
    p.settle();
}

// Screens still alive as widgets of the display, loaded or not.
int screenWidgets(BenchProgram& p) {
    int n = 0;
    for (QObject* child : p.display.children()) {
        n += dynamic_cast<forms::Screen*>(child) != nullptr;
    }
    return n;
}

int cyclesWanted() {
    const int n = qEnvironmentVariableIntValue("PW_BENCH_CYCLES");
    return n > 0 ? n : 1000;
}

} // namespace

const std::vector<Cycle>& cycles() {
    return kCycles;
}

void memoryAfterEveryScreen(benchmark::State& st) {
    BenchProgram p;
    PaintWatch watch;
    for (auto _ : st) {
        for (const Transition& t : transitions()) {
            QWidget& control = t.prepare(p);
            clickToPainted(p, watch, control);
            p.settle();
        }
    }
    st.counters["rss_MB"] = residentKilobytes() / 1024.0;
}

void openCloseCycles(benchmark::State& st, const Cycle& c) {
    BenchProgram p;
    atCaseStudyMenus(p);
    const int n = cyclesWanted();
    const int warmup = std::max(1, n / 10);
    auto cycle = [&] {
        c.open(p);
        p.settle();
        c.close(p);
        p.settle();
        p.forget();
    };
    long before = 0;
    for (auto _ : st) {
        for (int i = 0; i < warmup; ++i) {
            cycle();
        }
        before = residentKilobytes();
        for (int i = warmup; i < n; ++i) {
            cycle();
        }
    }
    const long after = residentKilobytes();
    st.counters["rss_MB"] = after / 1024.0;
    st.counters["growth_KB"] = double(after - before);
    st.counters["cycles"] = n;
    const int alive = screenWidgets(p);
    const int loaded = int(p.forms.loadedScreens().size());
    if (alive != loaded) {
        st.SkipWithError("screens unloaded but never deleted");
    }
}
