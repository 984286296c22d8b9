// The main menu's entries that open the reading screens.
#include "media/dialogs/dialogs.h"
#include "shell/intro0.h"
#include "shell/program.h"

void intro0::openGuide() {
    m_program.dialogs.message(
        QStringLiteral("The Teachers' Guide is not available in this version."));
}

void intro0::openAcknowledgments() {
    m_program.dialogs.message(
        QStringLiteral("The acknowledgments are not available in this version."));
}
