#include "forms/indicatorstyle.h"

#include "forms/glyphs.h"
#include "forms/twips.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>

namespace forms {
namespace {

// The ring's width and the chosen dot's radius, in pixels at scale 1.
constexpr qreal kRingWidth = 1.5;
constexpr qreal kDotRadius = 2.5;
const QColor kRing(235, 235, 235);

bool scaledMetric(QStyle::PixelMetric metric) {
    switch (metric) {
    case QStyle::PM_IndicatorWidth:
    case QStyle::PM_IndicatorHeight:
    case QStyle::PM_ExclusiveIndicatorWidth:
    case QStyle::PM_ExclusiveIndicatorHeight:
    case QStyle::PM_CheckBoxLabelSpacing:
    case QStyle::PM_RadioButtonLabelSpacing:
        return true;
    default:
        return false;
    }
}

float scaleOf(const QWidget* widget) {
    return widget ? scalingOf(*widget).scale() : 1.0f;
}

} // namespace

IndicatorStyle::IndicatorStyle(const QString& baseKey) : QProxyStyle(baseKey) {}

IndicatorStyle* IndicatorStyle::instance() {
    static QPointer<IndicatorStyle> style;
    if (!style) {
        style = new IndicatorStyle(QApplication::style()->name());
        style->setParent(qApp);
    }
    return style;
}

int IndicatorStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                const QWidget* widget) const {
    const int base = QProxyStyle::pixelMetric(metric, option, widget);
    const float scale = scaleOf(widget);
    if (scale == 1.0f || !scaledMetric(metric)) {
        return base;
    }
    return qRound(float(base) * scale);
}

void IndicatorStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                   QPainter* painter, const QWidget* widget) const {
    const float scale = scaleOf(widget);
    if (element == PE_IndicatorRadioButton) {
        drawRing(option, painter, scale);
    } else if (element == PE_IndicatorCheckBox && scale != 1.0f) {
        drawMagnified(element, option, painter, widget, scale);
    } else {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void IndicatorStyle::drawItemText(QPainter* painter, const QRect& rect, int flags,
                                  const QPalette& palette, bool enabled, const QString& text,
                                  QPalette::ColorRole textRole) const {
    // The style greys a disabled caption its own way; that is left to it.
    QFont font = painter->font();
    if (enabled && textRole != QPalette::NoRole && !text.isEmpty() &&
        glyphs::large(font, painter->device()->devicePixelRatioF())) {
        // As for labels: at this size hinting changes nothing to the eye.
        font.setHintingPreference(QFont::PreferNoHinting);
        if (glyphs::draw(*painter, rect, flags, text, font, palette.color(textRole))) {
            return;
        }
    }
    QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, textRole);
}

// The style draws the indicator at its own size into a painter that magnifies it.
void IndicatorStyle::drawMagnified(PrimitiveElement element, const QStyleOption* option,
                                   QPainter* painter, const QWidget* widget, qreal scale) const {
    QStyleOptionButton own;
    if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option)) {
        own = *button;
    } else {
        own.QStyleOption::operator=(*option);
    }
    const QRect target = option->rect;
    own.rect = QRect(0, 0, qMax(1, qRound(target.width() / scale)),
                     qMax(1, qRound(target.height() / scale)));
    painter->save();
    painter->translate(target.topLeft());
    painter->scale(qreal(target.width()) / own.rect.width(),
                   qreal(target.height()) / own.rect.height());
    QProxyStyle::drawPrimitive(element, &own, painter, widget);
    painter->restore();
}

void IndicatorStyle::drawRing(const QStyleOption* option, QPainter* painter, qreal scale) {
    const QRectF box = option->rect;
    const qreal ring = kRingWidth * scale;
    const qreal radius = qMin(box.width(), box.height()) / 2 - ring / 2;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(kRing, ring));
    painter->drawEllipse(box.center(), radius, radius);
    if (option->state & State_On) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(option->palette.windowText());
        const qreal dot = kDotRadius * scale;
        painter->drawEllipse(box.center(), dot, dot);
    }
    painter->restore();
}

} // namespace forms
