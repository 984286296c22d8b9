#include "forms/twips.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPalette>
#include <algorithm>
#include <cmath>

namespace forms {

Scaling Scaling::toFit(QSize pixels) {
    if (pixels.width() <= 0 || pixels.height() <= 0) {
        return Scaling();
    }
    const float across = float(pixels.width()) * kTwipsPerPixel / kDesignWidth;
    const float down = float(pixels.height()) * kTwipsPerPixel / kDesignHeight;
    return Scaling(std::min(across, down));
}

QRect Scaling::toPixelRect(const TwipRect& r) const {
    const int x0 = toPixels(r.left);
    const int y0 = toPixels(r.top);
    const int x1 = toPixels(r.left + r.width);
    const int y1 = toPixels(r.top + r.height);
    return QRect(x0, y0, qMax(0, x1 - x0), qMax(0, y1 - y0));
}

namespace {

// The bold of the Tahoma that fonts-wine provides has Tahoma Bold's widths but strokes
// no heavier than the regular face, so the screens' bold captions would lose their
// emphasis. DejaVu Sans Condensed Bold is really bold, and its widths come within 3 %
// of Tahoma Bold's on the screens' captions.
constexpr const char* kBoldTahoma = "DejaVu Sans Condensed";

QString family(const FontSpec& design) {
    if (design.bold && design.name.compare(QLatin1String("Tahoma"), Qt::CaseInsensitive) == 0) {
        return QString::fromLatin1(kBoldTahoma);
    }
    return design.name;
}

} // namespace

QFont Scaling::font(const FontSpec& design) const {
    QFont font(family(design));
    font.setPixelSize(qMax(1, qRound(design.size * 96.0f / 72.0f * m_scale)));
    font.setBold(design.bold);
    font.setItalic(design.italic);
    font.setUnderline(design.underline);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

qreal Scaling::lineWidth(qreal devicePixelRatio) const {
    return std::max(1.0, std::round(m_scale * devicePixelRatio)) / devicePixelRatio;
}

QFont toScreenFont(const FontSpec& design) {
    return Scaling().font(design);
}

float textWidthTwips(const FontSpec& design, const QString& text) {
    const QFontMetricsF metrics(toScreenFont(design));
    return float(metrics.horizontalAdvance(text)) * kTwipsPerPixel;
}

void loadApplicationFonts() {
    static bool loaded = false;
    if (loaded) {
        return;
    }
    loaded = true;
    const QString tahoma = QStringLiteral("/usr/share/wine/fonts/tahoma.ttf");
    if (QFile::exists(tahoma)) {
        QFontDatabase::addApplicationFont(tahoma);
    }
}

QColor rgb(int r, int g, int b) {
    return QColor(r, g, b);
}

void setColours(QWidget& widget, const QColor& back, const QColor& fore) {
    QPalette palette = widget.palette();
    if (back.isValid()) {
        for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
            palette.setColor(role, back);
        }
    }
    if (fore.isValid()) {
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
            palette.setColor(role, fore);
        }
    }
    widget.setPalette(palette);
    widget.setAutoFillBackground(back.isValid());
}

} // namespace forms
