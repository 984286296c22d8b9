#include "forms/label.h"

#include "forms/accessibility.h"
#include "forms/glyphs.h"

#include <QPainter>

namespace forms {

Label::Label(QWidget* parent) : Control<QWidget>(parent) {
    setFont(FontSpec{});
}

void Label::setCaption(const QString& text) {
    if (text != m_caption) {
        m_caption = text;
        update();
        if (accessibleName().isEmpty()) {
            notifyNameChanged(*this);
        }
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

void Label::setLifted(bool lifted) {
    m_lifted = lifted;
    update();
}

void Label::focusInEvent(QFocusEvent* e) {
    Control<QWidget>::focusInEvent(e);
    update();
}

void Label::focusOutEvent(QFocusEvent* e) {
    Control<QWidget>::focusOutEvent(e);
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
    paintCaption(p, r, flags);
    // The focus ring, or the lifted word's frame, goes over the caption.
    const bool ring = hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange);
    if (m_lifted || ring) {
        p.setPen(QPen(m_lifted ? QColor(255, 140, 0) : QColor(Qt::white), 3));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(QWidget::rect()).adjusted(1.5, 1.5, -1.5, -1.5));
    }
}

void Label::paintCaption(QPainter& p, const QRectF& r, int flags) {
    const QFont font = fittedFont(r.toRect(), flags);
    const QColor pen = isEnabled() ? m_foreColor : QColor(128, 128, 128);
    if (!m_caption.isEmpty() && glyphs::large(font, devicePixelRatioF()) &&
        glyphs::draw(p, r, flags, m_caption, font, pen)) {
        return;
    }
    p.setFont(font);
    p.setPen(pen);
    p.drawText(r, flags, m_caption);
}

// The screens were laid out for fonts that the stand-in faces are a little wider than.
// When the wrapped caption would need more lines than the label has room for, or a word
// is wider than the label, the font is narrowed a step at a time (down to 80 %) so that
// no text is cut off.
QFont Label::fittedFont(const QRect& r, int flags) {
    const qreal dpr = devicePixelRatioF();
    const QString key = m_caption + QString::number(r.width()) + QLatin1Char('x') +
                        QString::number(r.height()) + QLatin1Char('@') + QString::number(dpr);
    if (key == m_fitKey) {
        return m_fitFont;
    }
    QFont font = QWidget::font();
    // Hinting fits outlines to the pixels of small text; at large sizes it changes nothing
    // to the eye. Unhinted, a large caption's letters are measured without running the
    // face's hinting program and are rasterised by the face itself (forms::glyphs).
    if (glyphs::large(font, dpr)) {
        font.setHintingPreference(QFont::PreferNoHinting);
    }
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
