// Open mode in a build without the quiz screens.
#include "authoring/worksheets.h"
#include "media/dialogs/dialogs.h"
#include "shell/program.h"

void worksheets::openAsQuiz() {
    m_program.dialogs.message(QStringLiteral("The quiz is not available in this version."));
}
