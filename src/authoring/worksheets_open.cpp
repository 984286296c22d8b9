// Open mode: the worksheet on the quiz screen, with the main menu's picture and title.
#include "authoring/worksheets.h"
#include "core/program.h"
#include "quiz/multiple.h"

void worksheets::openAsQuiz() {
    // The main menu is closed while the catalogue is open, so reading its picture and
    // title loads it again, hidden; its loading steps run as they always do.
    const auto [picture, subject] = m_program.navigation.mainMenuLook();
    // The quiz was loaded before the quiz screen is first touched: its Form_Load reads it.
    multiple& quiz = forms().get<multiple>();
    quiz.Picture1.setPicture(picture);
    quiz.Label5.setCaption(subject);
    // A teacher may print the worksheet.
    quiz.Label3[3].setVisible(true);
    forms().show<multiple>();
}
