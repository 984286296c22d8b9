// The case-study menu's entries that open the notes page viewer.
#include "media/dialogs/dialogs.h"
#include "shell/casestudymenu.h"
#include "shell/program.h"

void CaseStudyMenu::keyFacts() {
    m_program.dialogs.message(QStringLiteral("The key facts are not available in this version."));
}

void CaseStudyMenu::teachersNotes() {
    m_program.dialogs.message(
        QStringLiteral("The teacher's notes are not available in this version."));
}
