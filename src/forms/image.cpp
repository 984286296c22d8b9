#include "forms/image.h"

#include "forms/renderedpictures.h"

#include <QPainter>

namespace forms {

namespace {

const QPainter::RenderHints kImageHints = QPainter::Antialiasing | QPainter::TextAntialiasing;

} // namespace

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

void Image::prepare(const Picture& picture) const {
    QSize size = QWidget::size();
    if (!m_stretch && !picture.isNull()) {
        const QSizeF twips = picture.sizeTwips();
        size =
            scaling()
                .toPixelRect(TwipRect{Left(), Top(), float(twips.width()), float(twips.height())})
                .size();
    }
    const qreal dpr = devicePixelRatioF();
    const QSize display = window()->size();
    rendered::picture(picture, size, dpr, kImageHints,
                      qint64(qint64(display.width()) * display.height() * dpr * dpr));
}

void Image::paintEvent(QPaintEvent*) {
    if (m_picture.isNull()) {
        return;
    }
    QPainter p(this);
    p.setRenderHints(p.renderHints(), false);
    p.setRenderHints(kImageHints);
    if (!rendered::draw(p, m_picture, QWidget::rect())) {
        m_picture.draw(p, QRectF(QWidget::rect()));
    }
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
