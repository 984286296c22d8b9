#include "forms/label.h"

#include <QPainter>

namespace forms {

Label::Label(QWidget* parent) : Control<QWidget>(parent) {
    setFont(FontSpec{});
}

void Label::setCaption(const QString& text) {
    if (text != m_caption) {
        m_caption = text;
        update();
    }
}

void Label::setBackStyle(BackStyle style) {
    if (style != m_backStyle) {
        m_backStyle = style;
        update();
    }
}

void Label::setBackColor(const QColor& c) {
    m_backColor = c;
    update();
}

void Label::setForeColor(const QColor& c) {
    m_foreColor = c;
    update();
}

void Label::applyFont() {
    Control<QWidget>::applyFont();
    m_fitKey.clear();
    update();
}

void Label::setAlignment(Align a) {
    m_align = a;
    update();
}

void Label::setBorder(bool single) {
    m_border = single;
    update();
}

void Label::setEnabled(bool enabled) {
    QWidget::setEnabled(enabled);
    update();
}

void Label::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QRectF r = QWidget::rect();
    if (m_backStyle == BackStyle::Opaque) {
        p.fillRect(r, m_backColor);
    }
    if (m_border) {
        r = paintBorder(p, r, scaling().lineWidth(devicePixelRatioF()));
    }
    int flags = Qt::AlignTop | Qt::TextWordWrap;
    flags |= m_align == Align::Center  ? Qt::AlignHCenter
             : m_align == Align::Right ? Qt::AlignRight
                                       : Qt::AlignLeft;
    p.setFont(fittedFont(r.toRect(), flags));
    p.setPen(isEnabled() ? m_foreColor : QColor(128, 128, 128));
    p.drawText(r, flags, m_caption);
}

// The screens were laid out for fonts that the stand-in faces are a little wider than.
// When the wrapped caption would need more lines than the label has room for, or a word
// is wider than the label, the font is narrowed a step at a time (down to 80 %) so that
// no text is cut off.
QFont Label::fittedFont(const QRect& r, int flags) {
    const QString key =
        m_caption + QString::number(r.width()) + QLatin1Char('x') + QString::number(r.height());
    if (key == m_fitKey) {
        return m_fitFont;
    }
    QFont font = QWidget::font();
    for (int stretch = 100; stretch >= 80; stretch -= 5) {
        font.setStretch(stretch);
        const QRect needed = QFontMetrics(font).boundingRect(r, flags, m_caption);
        if (needed.height() <= qMax(r.height(), QFontMetrics(font).height()) &&
            needed.width() <= r.width()) {
            break;
        }
    }
    m_fitKey = key;
    m_fitFont = font;
    return font;
}

} // namespace forms
