// The main menu's entries that open the reading screens.
#include "core/program.h"
#include "reading/guide.h"
#include "reading/pagedrawings.h"
#include "reading/pagesahead.h"
#include "reading/teacher.h"
#include "shell/intro0.h"

using reading::PageDrawings;

namespace {

// The acknowledgments are shown on a lighter blue than the other pages.
const QColor kAcknowledgmentsColour(49, 130, 212);

} // namespace

std::vector<forms::DrawAhead::Drawing> intro0::drawingsAhead() {
    return {
        [this] { reading::preparePage(m_program, *this, reading::guidePage(1)); },
        [this] {
            reading::preparePage(m_program, *this,
                                 reading::singlePage(QStringLiteral("acknowledgments")),
                                 kAcknowledgmentsColour);
        },
    };
}

void intro0::openGuide() {
    // The drawings are read before the guide is touched, so a missing first page leaves
    // the menu as it was, without a half-opened guide.
    const auto page = PageDrawings::read(m_program, reading::guidePage(1));
    if (!page) {
        return;
    }
    guide& g = forms().get<guide>();
    page->showIn(g.Image1, g.Image2);
    m_program.state.pageno = 1;
    forms().show<guide>();
}

void intro0::openAcknowledgments() {
    const auto page =
        PageDrawings::read(m_program, reading::singlePage(QStringLiteral("acknowledgments")));
    if (!page) {
        return;
    }
    // Touching the viewer loads it; its Form_Load runs before the rest. pagecount and
    // pageset stay as they are: the page controls are hidden here instead.
    teacher& viewer = forms().get<teacher>();
    viewer.Label1.setVisible(false);
    viewer.Label3[2].setVisible(false);
    viewer.Label3[3].setVisible(false);
    viewer.Image1.setPicture(page->screen);
    m_program.loadPicture(viewer.Picture2, QStringLiteral("logo\\quillon2.bmp"));
    viewer.Image2.setPicture(page->print);
    viewer.setBackColor(kAcknowledgmentsColour);
    viewer.Timer1.setEnabled(true);
    forms().show<teacher>();
}
