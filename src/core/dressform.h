#pragma once

#include <QColor>

namespace forms {
class Screen;
class Display;
} // namespace forms

// The dressing every screen receives as it loads: colour (39, 63, 137), title
// "Placeworks", a Picture1 background of (49, 135, 214), 12000 x 9000 twips, centred
// on the display. Failures after the title are ignored and never reach the caller.
void dressform(forms::Screen& screen, forms::Display& display);

// The colour dressform gives every screen.
inline const QColor kDressColour(39, 63, 137);
