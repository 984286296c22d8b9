#pragma once

#include "media/wmf/gdiobjects.h"

#include <QFont>

namespace wmf {

/// Builds the Qt font for a logical font: the family or its metric-compatible stand-in
/// (Times New Roman, Arial and Courier New by the Liberation fonts; bold Tahoma by a face
/// that is really bold), weight, slant, underline, strike-out and width.
class FontResolver {
public:
    /// A font whose em height is pixelSize (rounded; at least 1).
    static QFont font(const FontSpec& logical, int pixelSize);
    /// The family drawn for a face name.
    static QString family(const QString& face);
    /// The family drawn for a face name at a weight (400 regular, 700 bold).
    static QString family(const QString& face, int weight);
    /// The font whose ascent and descent place the text: the logical font's own, or for a
    /// bold stand-in the face it stands in for (whose bold is as tall as its regular).
    static QFont cellFont(const FontSpec& logical, int pixelSize);
    /// Em height over cell height (ascent + descent) of a logical font's face, from its
    /// design metrics; logical fonts with a positive height give the cell height.
    static double emPerCell(const FontSpec& logical);
};

} // namespace wmf
