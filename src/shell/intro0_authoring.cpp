// The main menu's entries for teachers' worksheets, and the register's start-up read.
#include "authoring/register/worksheetregister.h"
#include "authoring/wizard.h"
#include "authoring/worksheets.h"
#include "core/program.h"
#include "shell/intro0.h"

void intro0::Timer1_Timer() {
    // A missing or damaged register is not worth a message here: the catalogue shows
    // whatever can be read.
    reg::startupRead(m_program.files, m_program.state, m_program.worksheets);
    Timer1.setEnabled(false);
}

void intro0::openWizard() {
    forms().show<wizard>();
}

void intro0::openCatalogue() {
    forms().show<worksheets>();
    forms().unload(*this);
}
