#pragma once

#include <QProxyStyle>

namespace forms {

// The style of option and tick boxes: the program's style, with their indicators sized,
// spaced and drawn at the display's scale. Tick boxes are the style's own drawing,
// magnified as a vector drawing so that it stays sharp; option buttons are a light
// ring (with the text colour's dot when chosen), which stays visible on the dark
// screens they stand on. Their large captions are drawn from kept glyphs, as labels' are.
class IndicatorStyle : public QProxyStyle {
public:
    // The one instance, owned by the application.
    static IndicatorStyle* instance();

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette,
                      bool enabled, const QString& text,
                      QPalette::ColorRole textRole = QPalette::NoRole) const override;

private:
    explicit IndicatorStyle(const QString& baseKey);
    void drawMagnified(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget, qreal scale) const;
    static void drawRing(const QStyleOption* option, QPainter* painter, qreal scale);
};

} // namespace forms
