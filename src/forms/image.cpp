#include "forms/image.h"

#include "forms/renderedpictures.h"
#include "forms/screen.h"

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

void prepareSized(const QWidget& widget, QSize size, const Picture& picture,
                  const QColor& backdrop) {
    const qreal dpr = widget.devicePixelRatioF();
    const QSize display = widget.window()->size();
    rendered::picture(picture, size, dpr, kImageHints,
                      qint64(qint64(display.width()) * display.height() * dpr * dpr), backdrop);
}

} // namespace

void Image::setOnScreenColour(bool on) {
    m_onScreenColour = on;
    setAttribute(Qt::WA_OpaquePaintEvent, on);
    update();
}

QColor Image::backdrop() const {
    const auto* screen = dynamic_cast<const Screen*>(parentWidget());
    if (!m_onScreenColour || !screen) {
        return {};
    }
    QColor colour = screen->backColor().toRgb();
    colour.setAlpha(255);
    return colour;
}

void Image::prepare(const Picture& picture) const {
    if (m_stretch || picture.isNull()) {
        prepareSized(*this, QWidget::size(), picture, backdrop());
    } else {
        prepareAt(*this, Left(), Top(), picture, backdrop());
    }
}

void Image::prepareAt(const QWidget& widget, float left, float top, const Picture& picture,
                      const QColor& backdrop) {
    const QSizeF twips = picture.sizeTwips();
    prepareIn(widget, TwipRect{left, top, float(twips.width()), float(twips.height())}, picture,
              backdrop);
}

void Image::prepareIn(const QWidget& widget, const TwipRect& place, const Picture& picture,
                      const QColor& backdrop) {
    prepareSized(widget, scalingOf(widget).toPixelRect(place).size(), picture, backdrop);
}

void Image::paintEvent(QPaintEvent*) {
    const QColor colour = backdrop();
    if (m_picture.isNull() && !colour.isValid()) {
        return;
    }
    QPainter p(this);
    if (m_picture.isNull()) {
        p.fillRect(QWidget::rect(), colour);
        return;
    }
    p.setRenderHints(p.renderHints(), false);
    p.setRenderHints(kImageHints);
    if (!rendered::draw(p, m_picture, QWidget::rect(), colour)) {
        if (colour.isValid()) {
            p.fillRect(QWidget::rect(), colour);
        }
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
