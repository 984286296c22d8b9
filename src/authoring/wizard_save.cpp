// The wizard's "Save Worksheet": the checks of the form, then the quiz file and the
// register entry.
#include "authoring/foldermessages.h"
#include "authoring/register/titleproblem.h"
#include "authoring/register/worksheetfolder.h"
#include "authoring/register/worksheetregister.h"
#include "authoring/wizard.h"
#include "core/program.h"
#include "media/dialogs/dialogs.h"
#include "quiz/file/quizfile.h"

#include <QDir>

#include <array>

namespace {

// The file system the worksheets were first kept on ignored case and trailing dots and
// spaces in names, so "manchester facts." named the same file as "Manchester Facts".
QString sameFileKey(QString path) {
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (path.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive)) {
        path.chop(4);
    }
    while (path.endsWith(QLatin1Char('.')) || path.endsWith(QLatin1Char(' '))) {
        path.chop(1);
    }
    return path.toCaseFolded();
}

// The quizzes that come with the program (those the case-study files name) must never be
// overwritten by a worksheet (when worksheets are kept beside them).
bool isShippedQuiz(const Program& program, const QString& title) {
    const QString key = sameFileKey(reg::worksheetPath(program.worksheets, title));
    for (const QString& quiz : program.caseStudies.quizFiles()) {
        if (sameFileKey(quiz) == key) {
            return true;
        }
    }
    return false;
}

// The register lives in the worksheets' folder: a worksheet named after it would replace
// the list of every saved worksheet.
bool namesTheRegister(const Program& program, const QString& title) {
    return sameFileKey(reg::worksheetPath(program.worksheets, title)) ==
           sameFileKey(reg::registerPath(program.worksheets));
}

} // namespace

void wizard::genwork() {
    if (Text1.Text().isEmpty()) {
        m_program.dialogs.message(QStringLiteral("You have not chosen a title for your worksheet"));
        return;
    }
    if (const std::optional<QString> problem = incompleteQuestion()) {
        m_program.dialogs.message(*problem);
        return;
    }
    saveworksheet();
}

// The first failed check of the questions, in the order a teacher reads them; an empty
// answer is reported before the ticks of its question are judged.
std::optional<QString> wizard::incompleteQuestion() const {
    for (int n = 1; n <= 10; ++n) {
        const int q = n - 1;
        const QString number = QStringLiteral(" %1").arg(n);
        const QString incomplete = QStringLiteral("You have not completed Question") + number;
        if (Text2[q].Text().isEmpty()) {
            return incomplete;
        }
        int ticks = 0;
        for (int k = 0; k < 4; ++k) {
            if (Text3[4 * q + k].Text().isEmpty()) {
                return incomplete;
            }
            ticks += Check1[4 * q + k].Value();
        }
        if (ticks == 0) {
            return QStringLiteral("You have not ticked the correct answer for Question") + number;
        }
        if (ticks > 1) {
            return QStringLiteral("You have ticked more than one correct answer for Question") +
                   number;
        }
    }
    return std::nullopt;
}

// Whether the title may be written: it must name a file safely, must not be one of the
// program's own quizzes, and replaces another worksheet only when the teacher agrees.
bool wizard::mayWrite(const QString& title) {
    if (const std::optional<QString> problem = reg::titleProblem(title)) {
        m_program.dialogs.message(*problem);
        return false;
    }
    if (isShippedQuiz(m_program, title)) {
        m_program.dialogs.message(
            QStringLiteral("That title belongs to a quiz that comes with Placeworks. "
                           "Please choose another title."));
        return false;
    }
    if (namesTheRegister(m_program, title)) {
        m_program.dialogs.message(
            QStringLiteral("Placeworks keeps its list of worksheets under that title. "
                           "Please choose another title."));
        return false;
    }
    if (title != m_ownTitle &&
        m_program.files.exists(reg::worksheetPath(m_program.worksheets, title))) {
        const QString question = QStringLiteral("A worksheet called \"") + title +
                                 QStringLiteral("\" already exists. Do you want to replace it?");
        return m_program.dialogs.message(question, media::Buttons::OkCancel) == media::Answer::Ok;
    }
    return true;
}

void wizard::saveworksheet() {
    const QString title = Text1.Text();
    if (!mayWrite(title)) {
        return;
    }
    std::array<QString, 10> questions;
    std::array<std::array<QString, 4>, 10> answers;
    std::array<int, 10> correct{};
    for (int q = 0; q < 10; ++q) {
        questions[q] = Text2[q].Text();
        for (int k = 0; k < 4; ++k) {
            answers[q][k] = Text3[4 * q + k].Text();
            if (Check1[4 * q + k].Value() == 1 && correct[q] == 0) {
                correct[q] = k + 1;
            }
        }
    }
    const QString path = reg::worksheetPath(m_program.worksheets, title);
    const bool existed = m_program.files.exists(path);
    try {
        reg::saveWorksheet(m_program.files, m_program.state, m_program.worksheets, title,
                           quizFileLines(title, questions, answers, correct));
    } catch (const reg::FolderBusy&) {
        m_program.dialogs.message(kFolderBusy);
        return;
    } catch (const reg::FolderUnreachable&) {
        m_program.dialogs.message(
            QStringLiteral("The worksheet folder \"%1\" cannot be reached, so your worksheet has "
                           "not been saved. Your questions stay here: check the network "
                           "connection and save again.")
                .arg(QDir::toNativeSeparators(m_program.worksheets)));
        return;
    } catch (const std::exception&) {
        // A quiz file written before the register failed is this wizard's own from now on.
        if (!existed && m_program.files.exists(path)) {
            m_ownTitle = title;
        }
        m_program.dialogs.message(QStringLiteral("There was a problem saving your worksheet"));
        return;
    }
    m_ownTitle = title;
    m_program.dialogs.message(QStringLiteral("Your worksheet has been saved."));
}
