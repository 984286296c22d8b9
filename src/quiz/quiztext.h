#pragma once

#include <QString>

namespace forms {
class Label;
} // namespace forms
namespace media {
class PrintJob;
} // namespace media

// A number as the program writes it into a caption or message: a leading space for a
// positive number or zero, the minus sign otherwise ("Question" + " 3").
QString numberText(int n);

// The style shared by the quiz screens' buttons: a bordered label, "Tahoma" 15.75 pt
// bold, yellow on black, centred, opaque until the pointer crosses the background.
void styleButton(forms::Label& label, const QString& caption, float left, float top, float width,
                 float height);

// Prints a line centred across the page: x := (page width - text width) / 2.
void printCentred(media::PrintJob& job, const QString& text);
