#include "forms/image.h"

#include <QPainter>

namespace forms {

Image::Image(QWidget* parent) : Control<QWidget>(parent) {}

void Image::setPicture(const Picture& picture) {
    m_picture = picture;
    if (!m_stretch && !picture.isNull()) {
        const QSizeF size = picture.sizeTwips();
        setWidth(float(size.width()));
        setHeight(float(size.height()));
    }
    update();
}

void Image::paintEvent(QPaintEvent*) {
    if (m_picture.isNull()) {
        return;
    }
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    m_picture.draw(p, QRectF(QWidget::rect()));
}

PictureBox::PictureBox(QWidget* parent) : Control<QWidget>(parent) {}

void PictureBox::setPicture(const Picture& picture) {
    m_picture = picture;
    update();
}

void PictureBox::setBackColor(const QColor& c) {
    m_backColor = c;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(QWidget::rect(), m_backColor);
    if (!m_picture.isNull()) {
        const QSizeF own = m_picture.sizeTwips() / double(scaling().twipsPerPixel());
        p.setRenderHint(QPainter::Antialiasing);
        m_picture.draw(p, QRectF(QPointF(0, 0), own));
    }
    if (m_border) {
        paintBorder(p, QWidget::rect(), scaling().lineWidth(devicePixelRatioF()));
    }
}

} // namespace forms
