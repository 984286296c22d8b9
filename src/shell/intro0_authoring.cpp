// The main menu's entries for teachers' worksheets, and the register's start-up read.
#include "media/dialogs/dialogs.h"
#include "shell/intro0.h"
#include "shell/program.h"

void intro0::Timer1_Timer() {
    // The register's start-up read is not wired in yet: nothing is read.
    Timer1.setEnabled(false);
}

void intro0::openWizard() {
    m_program.dialogs.message(
        QStringLiteral("The Multiple Choice Wizard is not available in this version."));
}

void intro0::openCatalogue() {
    m_program.dialogs.message(
        QStringLiteral("The Worksheet Catalogue is not available in this version."));
}
