// The case-study menu's "Multiple Choice" entry.
#include "core/program.h"
#include "media/dialogs/dialogs.h"
#include "media/textfile/textfileerror.h"
#include "media/textfile/textfiles.h"
#include "quiz/file/quizfile.h"
#include "quiz/multiple.h"
#include "shell/casestudymenu.h"

void CaseStudyMenu::multipleChoice() {
    try {
        // Read into a copy: a short file would otherwise leave the loaded quiz half
        // overwritten, and a failed choice must leave everything as it was.
        LoadedQuiz read = m_program.state;
        media::FieldReader file = m_program.files.openForReading(m_study->quizFile);
        loadquiz(file, read);
        static_cast<LoadedQuiz&>(m_program.state) = read;
    } catch (const media::TextFileError&) {
        m_program.dialogs.message(
            QStringLiteral("The quiz file \"%1\" is missing or damaged.").arg(m_study->quizFile));
        return;
    }
    // The quiz is loaded before the quiz screen is first touched, because its Form_Load
    // reads it; setting the picture is that first touch.
    multiple& quiz = m_program.forms.get<multiple>();
    m_program.loadPicture(quiz.Picture1, m_study->quizPicture);
    quiz.Label5.setCaption(QStringLiteral("Placeworks"));
    m_program.forms.show<multiple>();
}
