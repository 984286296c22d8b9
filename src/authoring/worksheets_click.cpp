// What a click on a title of the catalogue does: open the worksheet as a quiz, fill the
// wizard with it, or remove it from the register.
#include "authoring/foldermessages.h"
#include "authoring/register/worksheetfolder.h"
#include "authoring/register/worksheetregister.h"
#include "authoring/wizard.h"
#include "authoring/worksheets.h"
#include "core/program.h"
#include "media/dialogs/dialogs.h"
#include "media/textfile/fieldreader.h"
#include "quiz/file/commaencoding.h"
#include "quiz/file/quizfile.h"

#include <array>
#include <stdexcept>

void worksheets::Label2_Click(int index) {
    // Here the click comes first, before the main menu (which turns sound on) loads.
    m_program.play(QStringLiteral("wav\\click.wav"));
    if (index == 0) {
        m_program.navigation.showMainMenu();
        forms().unload(*this);
        return;
    }
    const QString title = Label2[index].Caption();
    const bool deleting = Check1.Value() == 0 && Check2.Value() == 1;
    // A worksheet whose quiz file is lost or damaged can still leave the register.
    if (!loadWorksheet(title) && !deleting) {
        reportCorrupted();
        return;
    }
    if (Check1.Value() == 1) {
        try {
            editworksheet();
        } catch (const std::exception&) {
            reportCorrupted();
        }
    } else if (deleting) {
        deleteWorksheet(title);
    } else {
        openAsQuiz();
    }
}

// Loads the worksheet's quiz file into the loaded quiz; false when it is missing or short.
bool worksheets::loadWorksheet(const QString& title) {
    m_loadedTitle = commaEncode(title);
    try {
        media::FieldReader file =
            m_program.files.openForReading(reg::worksheetPath(m_program.worksheets, m_loadedTitle));
        loadquiz(file, m_program.state);
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

void worksheets::deleteWorksheet(const QString& title) {
    const QString question = QStringLiteral("Are you sure that you want to delete the worksheet ") +
                             title + QStringLiteral("?");
    if (m_program.dialogs.message(question, media::Buttons::OkCancel, QString()) !=
        media::Answer::Ok) {
        return;
    }
    // The list shows each "&" of the register as ","; a register line can hold no comma,
    // so turning them back gives the title as stored.
    m_program.state.chosensheet = commaEncode(title);
    try {
        reg::removeWorksheet(m_program.files, m_program.state, m_program.worksheets);
    } catch (const reg::FolderBusy&) {
        m_program.dialogs.message(kFolderBusy);
        return;
    } catch (const std::exception&) {
        reportCorrupted();
        return;
    }
    relistAfterDelete();
}

// The page on show gets the titles that now fall on it; its number and page buttons
// stay as they were, even when the page is left empty.
void worksheets::relistAfterDelete() {
    const ProgramState& s = m_program.state;
    const int first = kPerPage * s.catpage;
    for (int i = 1; i <= kPerPage; ++i) {
        Label2[i].setVisible(false);
        Label2[i].setCaption(commaDecode(s.worksheetnames.at(i + first)));
    }
    const int shown = std::min(kPerPage, s.worksheetcount.value_or(0) - first);
    for (int i = 1; i <= shown; ++i) {
        Label2[i].setVisible(true);
    }
}

void worksheets::editworksheet() {
    const ProgramState& s = m_program.state;
    // Every correct-answer line is judged before the wizard is touched, so a damaged
    // worksheet leaves no half-filled wizard behind.
    std::array<int, 10> ticks{};
    for (int q = 0; q < 10; ++q) {
        bool number = false;
        const int c = s.correct.at(q + 1).trimmed().toInt(&number);
        if (!number || c < 1 || c > 4) {
            throw std::runtime_error("a correct-answer line names no answer of its question");
        }
        ticks[q] = 4 * q + c - 1;
    }
    wizard& w = forms().get<wizard>();
    w.Text1.setText(s.quiztitle);
    for (int q = 0; q < 10; ++q) {
        w.Text2[q].setText(s.questions.at(q + 1));
        const std::array<QString, 4> answers = {s.answer1.at(q + 1), s.answer2.at(q + 1),
                                                s.answer3.at(q + 1), s.answer4.at(q + 1)};
        for (int k = 0; k < 4; ++k) {
            w.Text3[4 * q + k].setText(answers[k]);
            w.Check1[4 * q + k].setValue(4 * q + k == ticks[q] ? 1 : 0);
        }
    }
    w.openedForEditing(commaDecode(m_loadedTitle));
    forms().show<wizard>();
}

void worksheets::reportCorrupted() {
    m_program.dialogs.message(QStringLiteral("This worksheet seems to be corrupted."));
}
