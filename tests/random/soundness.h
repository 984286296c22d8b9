#pragma once

#include "forms/display.h"
#include "forms/forms.h"
#include "media/textfile/textfiles.h"

#include <QString>

// What must hold between any two user actions, whatever they were. Each returns an
// empty string when all is well, else what is wrong.
namespace soundness {

// Every loaded screen is one of the program's own and completely loaded (dressed:
// placed and sized by its Form_Load), every screen still among the display's widgets is
// a loaded one, and the screen on top is a loaded one.
QString screens(const forms::Forms& forms, const forms::Display& display);

// The worksheet register reads in full: its count, then as many titles.
QString worksheetRegister(media::TextFiles& files);

// Every quiz file in multiple/ reads in full as a quiz.
QString quizFiles(media::TextFiles& files);

} // namespace soundness
