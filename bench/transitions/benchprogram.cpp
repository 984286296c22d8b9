#include "benchprogram.h"

#include "quiz/multiple.h"
#include "quiz/welldone.h"
#include "shell/casestudymenu.h"
#include "shell/intro0.h"
#include "shell/titlefrm.h"

#include <QApplication>
#include <QFile>
#include <QWindow>
#include <malloc.h>

void BenchProgram::settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BenchProgram::forget() {
    sound.played.clear();
    dialogs.shown.clear();
    printer.log.clear();
}

namespace route {

Titlefrm& title(BenchProgram& p) {
    p.forms.unloadAll();
    p.settle();
    // The title is on the display before its OK can be clicked.
    Titlefrm& shown = p.forms.show<Titlefrm>();
    p.settle();
    return shown;
}

intro0& menu(BenchProgram& p) {
    title(p).Command1_Click();
    p.settle();
    return *p.forms.loaded<intro0>();
}

template <class Menu> CaseStudyMenu& caseStudy(BenchProgram& p) {
    menu(p).Label2_Click(std::is_same_v<Menu, manchester1> ? 3 : 4);
    p.settle();
    return *casestudyscreens::loaded<Menu>(p.program);
}
template CaseStudyMenu& caseStudy<manchester1>(BenchProgram&);
template CaseStudyMenu& caseStudy<manchester2>(BenchProgram&);

multiple& quiz(BenchProgram& p, int question) {
    caseStudy<manchester1>(p).label3_Click(0);
    multiple& q = *p.forms.loaded<multiple>();
    while (p.state.questno < question) {
        q.Label3_Click(1);
    }
    p.settle();
    return q;
}

Welldone& results(BenchProgram& p) {
    quiz(p, 10).Label3_Click(1);
    p.settle();
    return *p.forms.loaded<Welldone>();
}

} // namespace route

long residentKilobytes() {
    malloc_trim(0);
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').front().toLong();
        }
    }
    return -1;
}
