// The case-study menu's entries that open the notes page viewer.
#include "core/program.h"
#include "reading/pagedrawings.h"
#include "reading/pagesahead.h"
#include "reading/teacher.h"
#include "shell/casestudymenu.h"

namespace {

// Opens the viewer on page 1 of a page set. The drawings are read first, so a missing
// page leaves the menu and the program-wide values as they were. pagecount and pageset
// are set before the viewer is touched, because touching it loads it and its
// Form_Load reads pagecount; the drawings go in after that load.
void openViewer(Program& program, int pagecount, const QString& pageset,
                const reading::PageNames& firstPage) {
    const auto page = reading::PageDrawings::read(program, firstPage);
    if (!page) {
        return;
    }
    program.state.pagecount = pagecount;
    program.state.pageset = pageset;
    teacher& viewer = program.forms.get<teacher>();
    page->showIn(viewer.Image1, viewer.Image2);
    program.forms.show<teacher>();
}

} // namespace

void CaseStudyMenu::keyFacts() {
    openViewer(m_program, m_study->keyPagecount, m_study->keyPageset,
               reading::notesPage(m_study->keyPageset, 1));
}

void CaseStudyMenu::teachersNotes() {
    openViewer(m_program, 1, m_study->notesPageset, reading::singlePage(m_study->notesPageset));
}
