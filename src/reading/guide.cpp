#include "reading/guide.h"

#include "core/dressform.h"
#include "core/program.h"
#include "reading/pagecontrols.h"
#include "reading/pagedrawings.h"
#include "reading/pageprint.h"

using namespace reading;

guide::guide(Program& program)
    : Screen(program.forms), m_program(program),
      m_ahead(
          program, Image1,
          [&state = program.state] { return std::pair(state.pageno, int(kPages)); },
          [](int page) { return guidePage(page); }) {
    Image1.move(kPageLeft, kPageTop);
    Image1.setOnScreenColour(true); // nothing lies beneath the page
    Image2.move(120, -240);
    Image2.setVisible(false);

    Label2.setRect(0, 120, 11775, 615);
    Label2.setFont(forms::FontSpec{QStringLiteral("Tahoma"), 14.25f, false});
    Label2.setForeColor(QColor(255, 255, 0));
    Label2.setAlignment(forms::Align::Center);
    Label2.setBackStyle(forms::BackStyle::Transparent);

    buildPageCounter(Label1);
    Label1.setCaption(pageCounter(1, kPages));
    buildPageButtons(Label3, this);

    Label3.onClick([this](int i) { Label3_Click(i); });
    setExitControl(Label3[kExit]);
    Label3.onMouseMove(
        [this](int i, int b, int s, float x, float y) { Label3_MouseMove(i, b, s, x, y); });
    Label2.events.mouseMove = [this](const forms::MouseArgs& a) {
        Label2_MouseMove(a.button, a.shift, a.x, a.y);
    };
    Image1.events.mouseMove = [this](const forms::MouseArgs& a) {
        Image1_MouseMove(a.button, a.shift, a.x, a.y);
    };
}

void guide::Form_Load() {
    dressform(*this, m_program.display());
    m_ahead.pageShown();
}

void guide::Form_MouseMove(int, int, float, float) {
    Label3.forEach([](int, forms::Label& l) { l.setBackStyle(forms::BackStyle::Transparent); });
}

void guide::Label3_Click(int index) {
    switch (index) {
    case kPrint:
        printPage(m_program, Image2.picture());
        break;
    case kExit:
        forms().unload(*this);
        break;
    case kNextPage:
        turnPage(+1);
        break;
    case kPreviousPage:
        turnPage(-1);
        break;
    }
}

void guide::turnPage(int step) {
    const int page = m_program.state.pageno + step;
    // Both drawings are read before the page changes, so a missing one leaves the page,
    // its counter and its buttons as they were.
    const auto drawings = PageDrawings::read(m_program, guidePage(page));
    if (!drawings) {
        return;
    }
    m_program.state.pageno = page;
    Label2.setCaption(QString());
    drawings->showIn(Image1, Image2);
    Label3[kPreviousPage].setEnabled(page != 1);
    Label3[kNextPage].setEnabled(page != kPages);
    Label1.setCaption(pageCounter(page, kPages));
    m_ahead.pageShown();
}
