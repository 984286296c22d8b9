// The case-study menu's "Multiple Choice" entry.
#include "media/dialogs/dialogs.h"
#include "shell/casestudymenu.h"
#include "shell/program.h"

void CaseStudyMenu::multipleChoice() {
    m_program.dialogs.message(QStringLiteral("The quiz is not available in this version."));
}
