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

namespace {

void prepareSized(const QWidget& widget, QSize size, const Picture& picture) {
    const qreal dpr = widget.devicePixelRatioF();
    const QSize display = widget.window()->size();
    rendered::picture(picture, size, dpr, kImageHints,
                      qint64(qint64(display.width()) * display.height() * dpr * dpr));
}

} // namespace

void Image::prepare(const Picture& picture) const {
    if (m_stretch || picture.isNull()) {
        prepareSized(*this, QWidget::size(), picture);
    } else {
        prepareAt(*this, Left(), Top(), picture);
    }
}

void Image::prepareAt(const QWidget& widget, float left, float top, const Picture& picture) {
    const QSizeF twips = picture.sizeTwips();
    prepareIn(widget, TwipRect{left, top, float(twips.width()), float(twips.height())}, picture);
}

void Image::prepareIn(const QWidget& widget, const TwipRect& place, const Picture& picture) {
    prepareSized(widget, scalingOf(widget).toPixelRect(place).size(), picture);
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
