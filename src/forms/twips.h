#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

class QWidget;

namespace forms {

// Positions and sizes are kept in twips (1440 to the inch) exactly as designed. Every
// screen is designed on 12000 x 9000 twips, drawn at 15 twips to the pixel: 800 x 600.
inline constexpr float kTwipsPerPixel = 15.0f;
inline constexpr float kDesignWidth = 12000.0f;
inline constexpr float kDesignHeight = 9000.0f;

// A rectangle in twips (Left, Top, Width, Height), in single precision.
struct TwipRect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

// A font as designed: face name, size in points, style. Faces resolve through
// fontconfig ("Times New Roman" and "Arial" to their metric-compatible equivalents);
// bold "Tahoma" is drawn in a stand-in of nearly the same widths that is really bold.
struct FontSpec {
    QString name = QStringLiteral("Tahoma");
    float size = 8.25f;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// How twips become pixels on one display: scale 1 is 15 twips to the pixel, scale s is
// 15 / s. Pixels here are Qt's device-independent pixels; on a high-density panel the
// painting underneath lands on device pixels, so text and lines stay sharp. Twips
// remain the unit of every rule; this is the one place they meet pixels.
class Scaling {
public:
    Scaling() = default;
    explicit Scaling(float scale) : m_scale(scale), m_twipsPerPixel(kTwipsPerPixel / scale) {}

    // The largest scale at which the 12000 x 9000 design fits a display of that many
    // pixels, aspect kept (scale 1 when the display has no size yet).
    static Scaling toFit(QSize pixels);

    float scale() const { return m_scale; }
    float twipsPerPixel() const { return m_twipsPerPixel; }

    int toPixels(float twips) const { return qRound(twips / m_twipsPerPixel); }
    float toTwips(qreal pixels) const { return float(pixels) * m_twipsPerPixel; }
    // The pixel rectangle that a twip rectangle covers. Edges are rounded, not sizes, so
    // that neighbouring controls meet without gaps.
    QRect toPixelRect(const TwipRect& r) const;
    // The font at this scale: points become pixels at 96 dpi (1 pt = 20 twips), times
    // the scale.
    QFont font(const FontSpec& design) const;
    // A design line one pixel wide, as wide at this scale in whole device pixels (at
    // least one), given in pixels of the widget that draws it.
    qreal lineWidth(qreal devicePixelRatio) const;

    bool operator==(const Scaling& other) const { return m_scale == other.m_scale; }

private:
    float m_scale = 1.0f;
    float m_twipsPerPixel = kTwipsPerPixel;
};

// The scaling of the display a widget is shown on; scale 1 outside a Display.
Scaling scalingOf(const QWidget& widget);

// Something drawn at the display's scale that must follow when the scale changes.
class Scalable {
public:
    virtual ~Scalable() = default;
    virtual void rescale() = 0;
};

// The font at 800 x 600 (scale 1).
QFont toScreenFont(const FontSpec& design);

// The width of a text in twips as the screens were designed to show it (at scale 1),
// whatever the display: for layouts that are printed or stored.
float textWidthTwips(const FontSpec& design, const QString& text);

// Loads fonts that fontconfig does not scan by default (the regular "Tahoma" of Debian's
// fonts-wine). Called once at start-up; harmless when the file is missing.
void loadApplicationFonts();

QColor rgb(int r, int g, int b);

// Gives a widget drawn by the style (option and tick boxes) a background and a text colour
// through its palette (an invalid colour is left to the style); the program's style draws
// the box and its indicator in them. A style sheet would do the same, at many times the
// cost of setting and drawing: a wizard screen has forty tick boxes.
void setColours(QWidget& widget, const QColor& back, const QColor& fore);

} // namespace forms
