// Open mode: the worksheet on the quiz screen, with the main menu's picture and title.
#include "authoring/worksheets.h"
#include "quiz/multiple.h"
#include "shell/intro0.h"
#include "shell/program.h"

void worksheets::openAsQuiz() {
    // The main menu is closed while the catalogue is open, so reading its picture and
    // title loads it again, hidden; its loading steps run as they always do.
    intro0& menu = forms().get<intro0>();
    const forms::Picture picture = menu.Image1.picture();
    const QString subject = menu.Label1.Caption();
    // The quiz was loaded before the quiz screen is first touched: its Form_Load reads it.
    multiple& quiz = forms().get<multiple>();
    quiz.Picture1.setPicture(picture);
    quiz.Label5.setCaption(subject);
    // A teacher may print the worksheet.
    quiz.Label3[3].setVisible(true);
    forms().show<multiple>();
}
