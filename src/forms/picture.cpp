#include "forms/picture.h"

#include "forms/twips.h"

#include <QPainter>
#include <atomic>

namespace forms {
namespace {

// Keys for pictures made in memory count down from the top, far from the content keys
// of pictures read from files.
quint64 freshKey() {
    static std::atomic<quint64> next{~quint64(0)};
    return next--;
}

// A raster picture's own size is its pixel size at 96 dpi, whatever the file says,
// as the screens were designed for.
// Qt's painter draws 32-bit images as they are and converts any other format (a JPEG's
// 24 bits, a GIF's palette) at every paint, which on a 4K display costs milliseconds.
QImage paintable(const QImage& image) {
    const QImage::Format format =
        image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    return image.format() == format ? image : image.convertToFormat(format);
}

class RasterSource final : public PictureSource {
public:
    explicit RasterSource(const QImage& image) : m_image(paintable(image)) {}
    QSizeF sizeTwips() const override {
        return QSizeF(m_image.width() * kTwipsPerPixel, m_image.height() * kTwipsPerPixel);
    }
    void draw(QPainter& painter, const QRectF& target) const override {
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, m_image);
        painter.restore();
    }
    bool copiedAt(QSize devicePixels) const override { return devicePixels == m_image.size(); }

private:
    QImage m_image;
};

} // namespace

Picture::Picture(std::shared_ptr<const PictureSource> source)
    : m_source(std::move(source)), m_key(freshKey()) {}

Picture Picture::fromImage(const QImage& image) {
    if (image.isNull()) {
        return {};
    }
    return Picture(std::make_shared<RasterSource>(image));
}

QSizeF Picture::sizeTwips() const {
    return m_source ? m_source->sizeTwips() : QSizeF();
}

void Picture::draw(QPainter& painter, const QRectF& target) const {
    if (m_source) {
        m_source->draw(painter, target);
    }
}

} // namespace forms
