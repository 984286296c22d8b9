#pragma once

#include "fontmeasure.h"
#include "wmfwriter.h"

#include <QColor>
#include <QString>

#include <vector>

namespace pw::gen {

/// A run of text in one weight, placed at x twips from the start of its line.
struct Segment {
    QString text;
    bool bold = false;
    int x = 0;
};

struct Line {
    std::vector<Segment> segments;
    int width = 0; // measured, in twips
};

/// Word-wraps text that marks bold words with "*...*" (a backslash makes the next
/// character plain: "\*" is an asterisk) and draws the lines it makes.
/// Lines are kept a little narrower than the width given, as the program's renderer may
/// draw a glyph or two wider than the font files measure here.
class TextFlow {
public:
    explicit TextFlow(const FontMeasure& measure) : m_measure(measure) {}

    /// Throws std::runtime_error when a single word is wider than the width.
    std::vector<Line> wrap(const QString& text, const FontSpec& font, int width) const;
    void draw(WmfWriter& out, const Line& line, int x, int y, const FontSpec& font,
              const QColor& color) const;
    /// Distance between the tops of two lines of the font, in twips.
    int lineHeight(const FontSpec& font) const;
    int width(const FontSpec& font, const QString& text) const;
    const FontMeasure& measure() const { return m_measure; }

private:
    const FontMeasure& m_measure;
};

} // namespace pw::gen
