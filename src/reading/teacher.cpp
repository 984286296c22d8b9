#include "reading/teacher.h"

#include "core/dressform.h"
#include "core/program.h"
#include "media/pictures/pictures.h"
#include "reading/pagecontrols.h"
#include "reading/pagedrawings.h"
#include "reading/pageprint.h"

using namespace reading;

namespace {

const int kLogoFrames = 20;

} // namespace

teacher::teacher(Program& program)
    : Screen(program.forms), m_program(program),
      m_ahead(
          program, Image1,
          [&state = program.state] { return std::pair(state.pageno, state.pagecount); },
          [&state = program.state](int page) { return notesPage(state.pageset, page); }) {
    Image1.move(kPageLeft, kPageTop);
    Image1.setOnScreenColour(true); // nothing lies beneath the page
    Image2.move(0, 0);
    Image2.setVisible(false);

    buildPageCounter(Label1);
    buildPageButtons(Label3, this);
    Label3.onClick([this](int i) { Label3_Click(i); });
    setExitControl(Label3[kExit]);
    Label3.onMouseMove(
        [this](int i, int b, int s, float x, float y) { Label3_MouseMove(i, b, s, x, y); });
    Image1.events.mouseMove = [this](const forms::MouseArgs& a) {
        Image1_MouseMove(a.button, a.shift, a.x, a.y);
    };

    // dressform finds Picture1 by name to give it its background.
    Picture1.setObjectName(QStringLiteral("Picture1"));
    Picture1.setRect(9600, 4320, 1800, 1800);
    Picture1.setVisible(false);
    Picture2.setObjectName(QStringLiteral("Picture2"));
    Picture2.setRect(9630, 6240, 1800, 1335);
    Picture2.setVisible(false);

    Timer1.setInterval(25);
    Timer1.onTimer = [this] { Timer1_Timer(); };
}

void teacher::Form_Load() {
    dressform(*this, m_program.display());
    // A one-page set is never turned.
    if (m_program.state.pagecount == 1) {
        Label1.setVisible(false);
        Label3[kNextPage].setVisible(false);
        Label3[kPreviousPage].setVisible(false);
    }
    m_program.state.pageno = 1;
    Label1.setCaption(pageCounter(m_program.state.pageno, m_program.state.pagecount));
    m_ahead.pageShown();
}

QString teacher::screenTitle() const {
    if (Timer1.Enabled()) {
        return QStringLiteral("Acknowledgments");
    }
    return m_program.state.pagecount == 1 ? QStringLiteral("Teacher's Notes")
                                          : QStringLiteral("Key Facts, ") + Label1.Caption();
}

void teacher::Label3_Click(int index) {
    switch (index) {
    case kPrint:
        printPage(m_program, Image2.picture());
        break;
    case kExit:
        exitViewer();
        break;
    case kNextPage:
        turnPage(+1);
        break;
    case kPreviousPage:
        turnPage(-1);
        break;
    }
}

void teacher::exitViewer() {
    // The screen lingers until deleted; no tick may move the animation on meanwhile.
    Timer1.setEnabled(false);
    forms().unload(*this);
}

void teacher::turnPage(int step) {
    const int page = m_program.state.pageno + step;
    // Both drawings are read before the page changes, so a missing one leaves the page,
    // its counter and its buttons as they were.
    const auto drawings = PageDrawings::read(m_program, notesPage(m_program.state.pageset, page));
    if (!drawings) {
        return;
    }
    m_program.state.pageno = page;
    Label3[step > 0 ? kPreviousPage : kNextPage].setEnabled(true);
    refresh(*drawings);
}

void teacher::refresh(const PageDrawings& drawings) {
    const ProgramState& s = m_program.state;
    if (s.pageno == s.pagecount) {
        Label3[kNextPage].setEnabled(false);
    }
    if (s.pageno == 1) {
        Label3[kPreviousPage].setEnabled(false);
    }
    drawings.showIn(Image1, Image2);
    Label1.setCaption(pageCounter(s.pageno, s.pagecount));
    m_ahead.pageShown();
}

void teacher::Timer1_Timer() {
    if (unloaded()) {
        return;
    }
    int& frame = m_program.state.logoframe;
    frame += 1;
    if (frame == kLogoFrames) {
        frame = 0;
    }
    const QString name = logoFrame(frame);
    if (std::optional<forms::Picture> picture = m_program.pictures.load(name)) {
        Picture1.setPicture(*picture);
    } else {
        reportMissingFrame(name);
    }
    Picture1.setVisible(true);
    Picture2.setVisible(true);
}

void teacher::reportMissingFrame(const QString& name) {
    // Once per run for the whole animation, and marked before the message: the clock
    // keeps ticking while a message box is open.
    if (m_program.reported.insert(QStringLiteral("logo animation")).second) {
        m_program.reportMissing(name, true);
    }
}
