#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

namespace forms {

// Large text drawn from glyphs kept as pictures. Qt's raster engine keeps glyphs of up to
// 64 device pixels and fills larger ones as outlines at every paint, which on a 4K display
// is most of the time a screen with new captions takes to appear. Here each glyph is
// filled once, in its colour, at the device's resolution and half-pixel phase, and copied
// at later paints: the few dozen letters of a lesson's captions come back on every screen.
namespace glyphs {

// Whether text of this font, on a device of this pixel ratio, is larger than the glyphs
// Qt keeps, so that drawing it from kept glyphs pays.
bool large(const QFont& font, qreal dpr);

// Draws text as QPainter::drawText(r, flags, text) would with this font and pen, word-
// wrapped or not, from kept glyphs. Returns false, having drawn nothing, where it cannot
// or should not (a printer, a painter that rotates, shears or stretches, text aligned on
// its baseline, a mnemonic's ampersand): the caller then draws the text itself.
bool draw(QPainter& p, const QRectF& r, int flags, const QString& text, const QFont& font,
          const QColor& pen);

// Forgets every kept glyph, as in a program just started.
void clear();

} // namespace glyphs
} // namespace forms
