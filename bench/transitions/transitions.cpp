// Every screen change a user can cause, timed from the click on the control to the new
// top screen painted by the event loop, with the median and the worst of each: every one
// should stay within a frame (16 ms), and the median under 5 ms.
#include "transitions.h"

#include "activities/activityscreen.h"
#include "authoring/wizard.h"
#include "authoring/worksheets.h"
#include "forms/glyphs.h"
#include "forms/renderedpictures.h"
#include "quiz/multiple.h"
#include "quiz/welldone.h"
#include "quiz/wrong.h"
#include "reading/guide.h"
#include "reading/pagecontrols.h"
#include "reading/teacher.h"
#include "shell/casestudymenu.h"
#include "shell/intro0.h"
#include "shell/titlefrm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

// The kind of screen a transition ends on; a case-study screen's name stands for its class.
template <class S> const std::type_info* to() {
    if constexpr (requires { typename S::Class; }) {
        return &typeid(typename S::Class);
    } else {
        return &typeid(S);
    }
}

QWidget& menuEntry(BenchProgram& p, int index) {
    return route::menu(p).Label2[index];
}

template <class Menu> QWidget& caseEntry(BenchProgram& p, int index) {
    return route::caseStudy<Menu>(p).label3[index];
}

template <class Menu> QWidget& openedFrom(BenchProgram& p, int entry) {
    route::caseStudy<Menu>(p).label3_Click(entry);
    p.settle();
    return *p.forms.topScreen();
}

QWidget& keyFactsExit(BenchProgram& p) {
    auto& viewer = static_cast<teacher&>(openedFrom<manchester1>(p, 4));
    return viewer.Label3[reading::kExit];
}

QWidget& acknowledgmentsExit(BenchProgram& p) {
    route::menu(p).Label2_Click(19);
    p.settle();
    return p.forms.loaded<teacher>()->Label3[reading::kExit];
}

QWidget& guideExit(BenchProgram& p) {
    route::menu(p).Label2_Click(20);
    p.settle();
    return p.forms.loaded<guide>()->Label3[reading::kExit];
}

QWidget& wizardExit(BenchProgram& p) {
    route::menu(p).Label2_Click(17);
    p.settle();
    return p.forms.loaded<wizard>()->Label3[0];
}

QWidget& catalogueExit(BenchProgram& p) {
    route::menu(p).Label2_Click(18);
    p.settle();
    return p.forms.loaded<worksheets>()->Label2[0];
}

QWidget& exitConfirmationCancel(BenchProgram& p) {
    route::menu(p).Label2_Click(16);
    p.settle();
    return p.forms.loaded<Titlefrm>()->Command1;
}

// Question to question: the quiz stays open and the next click goes on from where the
// last one left it, until the tenth question, when a new quiz starts.
QWidget& quizNext(BenchProgram& p) {
    multiple* q = p.forms.loaded<multiple>();
    if (!q || p.state.questno >= 10 || p.forms.topScreen() != q) {
        q = &route::quiz(p);
    }
    q->Option1[1 + p.state.questno % 4].setValue(true);
    return q->Label3[1];
}

QWidget& activityCheckScore(BenchProgram& p) {
    auto& activity = static_cast<LabellingScreen&>(openedFrom<manchester1>(p, 1));
    return activity.Label3[2];
}

QWidget& activityExit(BenchProgram& p) {
    auto& activity = static_cast<OrderingScreen&>(openedFrom<manchester2>(p, 3));
    return activity.Label3[0];
}

QWidget& wrongAnswersExit(BenchProgram& p) {
    route::results(p).Label3_Click(0);
    p.settle();
    return p.forms.loaded<Wrong>()->Label3[1];
}

} // namespace

const std::vector<Transition>& transitions() {
    static const std::vector<Transition> all = {
        {"title/OK->menu", [](BenchProgram& p) -> QWidget& { return route::title(p).Command1; },
         to<intro0>()},
        {"menu->manchester1", [](BenchProgram& p) -> QWidget& { return menuEntry(p, 3); },
         to<manchester1>()},
        {"menu->manchester2", [](BenchProgram& p) -> QWidget& { return menuEntry(p, 4); },
         to<manchester2>()},
        {"menu->guide", [](BenchProgram& p) -> QWidget& { return menuEntry(p, 20); }, to<guide>()},
        {"menu->acknowledgments", [](BenchProgram& p) -> QWidget& { return menuEntry(p, 19); },
         to<teacher>()},
        {"menu->wizard", [](BenchProgram& p) -> QWidget& { return menuEntry(p, 17); },
         to<wizard>()},
        {"menu->catalogue", [](BenchProgram& p) -> QWidget& { return menuEntry(p, 18); },
         to<worksheets>()},
        {"menu->exit confirmation", [](BenchProgram& p) -> QWidget& { return menuEntry(p, 16); },
         to<Titlefrm>()},
        {"manchester1->key facts",
         [](BenchProgram& p) -> QWidget& { return caseEntry<manchester1>(p, 4); }, to<teacher>()},
        {"manchester2->key facts",
         [](BenchProgram& p) -> QWidget& { return caseEntry<manchester2>(p, 4); }, to<teacher>()},
        {"manchester1->notes",
         [](BenchProgram& p) -> QWidget& { return caseEntry<manchester1>(p, 5); }, to<teacher>()},
        {"manchester1->quiz",
         [](BenchProgram& p) -> QWidget& { return caseEntry<manchester1>(p, 0); }, to<multiple>()},
        {"manchester2->quiz",
         [](BenchProgram& p) -> QWidget& { return caseEntry<manchester2>(p, 0); }, to<multiple>()},
        {"manchester1->labelling",
         [](BenchProgram& p) -> QWidget& { return caseEntry<manchester1>(p, 1); },
         to<manchester1lab>()},
        {"manchester2->labelling",
         [](BenchProgram& p) -> QWidget& { return caseEntry<manchester2>(p, 1); },
         to<manchester2lab>()},
        {"manchester1->ordering",
         [](BenchProgram& p) -> QWidget& { return caseEntry<manchester1>(p, 3); },
         to<manchester1ord>()},
        {"manchester2->ordering",
         [](BenchProgram& p) -> QWidget& { return caseEntry<manchester2>(p, 3); },
         to<manchester2ord>()},
        {"quiz next question", quizNext, to<multiple>()},
        {"quiz finish->results",
         [](BenchProgram& p) -> QWidget& { return route::quiz(p, 10).Label3[1]; }, to<Welldone>()},
        {"results->wrong answers",
         [](BenchProgram& p) -> QWidget& { return route::results(p).Label3[0]; }, to<Wrong>()},
        {"activity check score->results", activityCheckScore, to<Welldone>()},
        {"exit: key facts->manchester1", keyFactsExit, to<manchester1>()},
        {"exit: acknowledgments->menu", acknowledgmentsExit, to<intro0>()},
        {"exit: guide->menu", guideExit, to<intro0>()},
        {"exit: quiz->manchester1",
         [](BenchProgram& p) -> QWidget& { return route::quiz(p, 3).Label3[2]; },
         to<manchester1>()},
        {"exit: results->manchester1",
         [](BenchProgram& p) -> QWidget& { return route::results(p).Label3[1]; },
         to<manchester1>()},
        {"exit: wrong answers->manchester1", wrongAnswersExit, to<manchester1>()},
        {"exit: activity->manchester2", activityExit, to<manchester2>()},
        {"exit: wizard->menu", wizardExit, to<intro0>()},
        {"exit: catalogue->menu", catalogueExit, to<intro0>()},
        {"exit: manchester1->menu",
         [](BenchProgram& p) -> QWidget& { return caseEntry<manchester1>(p, 2); }, to<intro0>()},
        {"exit confirmation/Cancel->menu", exitConfirmationCancel, to<intro0>()},
    };
    return all;
}

double clickToPainted(BenchProgram& p, PaintWatch& watch, QWidget& control) {
    const auto start = Clock::now();
    QTest::mouseClick(&control, Qt::LeftButton, {}, control.rect().center());
    watch.watch(p.forms.topScreen());
    const auto limit = start + std::chrono::seconds(2);
    while (!watch.painted() && Clock::now() < limit) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    const std::chrono::duration<double, std::milli> took = Clock::now() - start;
    return took.count();
}

void runTransition(benchmark::State& st, const Transition& t, QSize display, Visit visit) {
    BenchProgram p(display);
    PaintWatch watch;
    std::vector<double> samples;
    for (auto _ : st) {
        if (visit == Visit::First) {
            forms::rendered::clear();
            forms::glyphs::clear();
        }
        QWidget& control = t.prepare(p);
        if (visit == Visit::First) {
            QElapsedTimer reading;
            reading.start();
            while (reading.elapsed() < kReadingMs) {
                QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            }
        }
        p.forget();
        const double ms = clickToPainted(p, watch, control);
        forms::Screen* top = p.forms.topScreen();
        if (!watch.painted() || !top || typeid(*top) != *t.arrives) {
            st.SkipWithError("the click did not paint the expected screen");
            break;
        }
        if (!p.dialogs.shown.isEmpty()) {
            st.SkipWithError(p.dialogs.texts().join(QLatin1Char(' ')).toStdString().c_str());
            break;
        }
        st.SetIterationTime(ms / 1000.0);
        samples.push_back(ms);
    }
    if (!samples.empty()) {
        std::sort(samples.begin(), samples.end());
        st.counters["median_ms"] = samples[samples.size() / 2];
        st.counters["worst_ms"] = samples.back();
    }
}
