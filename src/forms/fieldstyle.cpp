#include "forms/fieldstyle.h"

#include "forms/twips.h"

#include <QApplication>
#include <QCache>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>

namespace forms {
namespace {

// The panel is drawn at 9 x 9 design pixels: corners of 4 that hold the rounding and
// the inner shadow, and a middle pixel whose row and column repeat along the field.
constexpr int kCorner = 4;
constexpr int kPatch = 2 * kCorner + 1;

// Device pixels per design pixel, whole so that the frame's lines stay sharp.
int magnification(const QWidget* widget, qreal devicePixelRatio) {
    const float scale = widget ? scalingOf(*widget).scale() : 1.0f;
    return std::max(1, int(std::lround(scale * devicePixelRatio)));
}

} // namespace

FieldStyle::FieldStyle(const QString& baseKey) : QProxyStyle(baseKey) {}

FieldStyle* FieldStyle::instance() {
    static QPointer<FieldStyle> style;
    if (!style) {
        style = new FieldStyle(QApplication::style()->name());
        style->setParent(qApp);
    }
    return style;
}

int FieldStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                            const QWidget* widget) const {
    const int base = QProxyStyle::pixelMetric(metric, option, widget);
    if (metric != PM_DefaultFrameWidth || !widget) {
        return base;
    }
    return qRound(float(base) * scalingOf(*widget).scale());
}

void FieldStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    if (element == PE_PanelLineEdit && drawPanel(option, painter, widget)) {
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

// Lays the panel's picture over the field in device pixels. Returns false, leaving the
// drawing to the style, where that cannot be done exactly: a painter that is scaled or
// rotated, a fractional position, a field too small for the corners.
bool FieldStyle::drawPanel(const QStyleOption* option, QPainter* painter,
                           const QWidget* widget) const {
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    const QTransform& t = painter->transform();
    if (!frame || frame->lineWidth <= 0 || t.type() > QTransform::TxTranslate ||
        t.dx() != std::round(t.dx()) || t.dy() != std::round(t.dy())) {
        return false;
    }
    const qreal dpr = painter->device()->devicePixelRatioF();
    const int m = magnification(widget, dpr);
    const int corner = kCorner * m;
    const QRect r = option->rect.translated(int(t.dx()), int(t.dy()));
    const QRect target(qRound(r.x() * dpr), qRound(r.y() * dpr), qRound(r.width() * dpr),
                       qRound(r.height() * dpr));
    if (target.width() < 2 * corner + 1 || target.height() < 2 * corner + 1) {
        return false;
    }

    const QString key =
        QStringLiteral("pw-field-%1-%2-%3-%4")
            .arg(m)
            .arg(uint(frame->state & (State_Enabled | State_HasFocus | State_ReadOnly)))
            .arg(frame->palette.cacheKey())
            .arg(int(frame->features));
    static QCache<QString, QImage> patches(64);
    const QImage* cached = patches.object(key);
    if (!cached) {
        auto* image = new QImage(kPatch * m, kPatch * m, QImage::Format_ARGB32_Premultiplied);
        image->fill(Qt::transparent);
        QPainter p(image);
        p.scale(m, m);
        QStyleOptionFrame own = *frame;
        own.rect = QRect(0, 0, kPatch, kPatch);
        own.lineWidth = QProxyStyle::pixelMetric(PM_DefaultFrameWidth, &own, nullptr);
        QProxyStyle::drawPrimitive(PE_PanelLineEdit, &own, &p, widget);
        p.end();
        patches.insert(key, image);
        cached = image;
    }
    const QImage& patch = *cached;

    const int w = target.width() - 2 * corner;
    const int h = target.height() - 2 * corner;
    const int x0 = target.left();
    const int x1 = x0 + corner;
    const int x2 = x1 + w;
    const int y0 = target.top();
    const int y1 = y0 + corner;
    const int y2 = y1 + h;
    const int far = corner + m; // where the patch's far corners start
    painter->save();
    painter->setTransform(QTransform::fromScale(1 / dpr, 1 / dpr));
    painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    // Corners as drawn.
    painter->drawImage(x0, y0, patch, 0, 0, corner, corner);
    painter->drawImage(x2, y0, patch, far, 0, corner, corner);
    painter->drawImage(x0, y2, patch, 0, far, corner, corner);
    painter->drawImage(x2, y2, patch, far, far, corner, corner);
    // Edges: one row or column of the middle, stretched.
    painter->drawImage(QRect(x1, y0, w, corner), patch, QRect(corner, 0, 1, corner));
    painter->drawImage(QRect(x1, y2, w, corner), patch, QRect(corner, far, 1, corner));
    painter->drawImage(QRect(x0, y1, corner, h), patch, QRect(0, corner, corner, 1));
    painter->drawImage(QRect(x2, y1, corner, h), patch, QRect(far, corner, corner, 1));
    // The inside: one colour.
    const QRgb inside = patch.pixel(corner, corner);
    if (qAlpha(inside) == 255) {
        painter->fillRect(QRect(x1, y1, w, h), QColor::fromRgb(inside));
    } else {
        painter->drawImage(QRect(x1, y1, w, h), patch, QRect(corner, corner, 1, 1));
    }
    painter->restore();
    return true;
}

} // namespace forms
