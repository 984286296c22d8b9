#pragma once

#include "wmfwriter.h"

#include <QColor>

namespace pw::gen {

/// Sizes, fonts and colours of one of the two versions of a page. The screen version is
/// light text on the viewer's dark blue and never paints its own background; the print
/// version is dark ink on white paper.
struct PageStyle {
    bool print = false;
    int width = 0; // drawing size in twips
    int height = 0;
    int marginX = 0;
    int marginTop = 0;
    int gutter = 0;         // between columns
    int paragraphGap = 0;   // after a paragraph or a list
    int diagramScale = 100; // per cent applied to the heights written in the sources

    FontSpec title, subtitle, heading, body, small;
    QColor titleColor, subtitleColor, headingColor, bodyColor, accent;

    // Diagrams.
    QColor sea, land, coast, border, hills, highlight, label, barFill, boxFill, boxText;

    /// The screen version; width is the drawing's width (the viewer's area, or less).
    static PageStyle screen(int width);
    static PageStyle printed();
};

} // namespace pw::gen
