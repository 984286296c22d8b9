#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

namespace forms {

// Positions and sizes are kept in twips (1440 to the inch) exactly as designed and
// turned into pixels only here: 15 twips per pixel, so 12000 x 9000 twips is 800 x 600.
inline constexpr float kTwipsPerPixel = 15.0f;

inline int toPixels(float twips) {
    return qRound(twips / kTwipsPerPixel);
}

// A rectangle in twips (Left, Top, Width, Height), in single precision.
struct TwipRect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

// The pixel rectangle that a twip rectangle covers. Edges are rounded, not sizes, so
// that neighbouring controls meet without gaps.
QRect toPixelRect(const TwipRect& r);

// A font as designed: face name, size in points, style. Faces resolve through
// fontconfig ("Times New Roman" and "Arial" to their metric-compatible equivalents).
struct FontSpec {
    QString name = QStringLiteral("Tahoma");
    float size = 8.25f;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// The font at screen resolution: points become pixels at 96 dpi (1 pt = 20 twips).
QFont toScreenFont(const FontSpec& design);

// Loads fonts that fontconfig does not scan by default (the "Tahoma" of Debian's
// fonts-wine). Called once at start-up; harmless when the files are missing.
void loadApplicationFonts();

QColor rgb(int r, int g, int b);

// A style sheet giving widgets of one class a background and a text colour (an invalid
// colour is left to the style). Option and tick boxes take their colours this way: the
// style draws their indicators, and every style honours a style sheet.
QString colourStyleSheet(const char* widgetClass, const QColor& back, const QColor& fore);

} // namespace forms
