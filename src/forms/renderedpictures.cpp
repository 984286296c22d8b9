#include "forms/renderedpictures.h"

#include <QCache>
#include <QPainter>
#include <QSet>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace forms::rendered {

namespace {

struct Key {
    quint64 picture;
    QSize size;
    int dprPermille;
    QRgb backdrop; // 0: none
    bool operator==(const Key&) const = default;
};

size_t qHash(const Key& k, size_t seed = 0) {
    return qHashMulti(seed, k.picture, k.size.width(), k.size.height(), k.dprPermille, k.backdrop);
}

// The cost of an entry is its size in kilobytes.
QCache<Key, QImage>& images() {
    static QCache<Key, QImage> cache(0);
    return cache;
}

// Pictures found to combine with what lies beneath.
QSet<quint64>& drawnInPlace() {
    static QSet<quint64> keys;
    return keys;
}

// Four whole displays: the page on show, the pages either side of it and the pictures of
// the screen beneath.
constexpr qint64 kDisplaysKept = 4;

bool whole(qreal v) {
    return std::abs(v - std::round(v)) < 1e-3;
}

Key keyOf(const Picture& picture, QSize size, qreal dpr, const QColor& backdrop) {
    return Key{picture.key(), size, int(std::lround(dpr * 1000)),
               backdrop.isValid() ? backdrop.rgba() : QRgb(0)};
}

// Whether the picture can be kept at this size: not a raster copied at its own size (as
// quick to copy from the picture), nor, on a background not known, one that combines
// with what lies beneath.
bool keepable(const Picture& picture, QSize size, qreal dpr, const QColor& backdrop) {
    return !picture.isNull() && !size.isEmpty() && dpr > 0 &&
           (backdrop.isValid() || !drawnInPlace().contains(picture.key())) &&
           !picture.source()->copiedAt((QSizeF(size) * dpr).toSize());
}

void setBudget(qint64 displayPixels) {
    QCache<Key, QImage>& cache = images();
    cache.setMaxCost(
        std::max(cache.maxCost(), qsizetype(kDisplaysKept * displayPixels * 4 / 1024)));
}

// Pictures shown drawn straight onto their screen, to be kept once the event loop is
// free again.
QSet<Key>& waiting() {
    static QSet<Key> keys;
    return keys;
}

void keepLater(const Picture& picture, QSize size, qreal dpr, QPainter::RenderHints hints,
               qint64 displayPixels, const QColor& backdrop) {
    const Key key = keyOf(picture, size, dpr, backdrop);
    if (waiting().contains(key)) {
        return;
    }
    waiting().insert(key);
    QTimer::singleShot(0, [=] {
        if (waiting().remove(key)) {
            rendered::picture(picture, size, dpr, hints, displayPixels, backdrop);
        }
    });
}

bool opaque(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) != 255) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

QImage picture(const Picture& picture, QSize size, qreal dpr, QPainter::RenderHints hints,
               qint64 displayPixels, const QColor& backdrop) {
    if (!keepable(picture, size, dpr, backdrop)) {
        return {};
    }
    setBudget(displayPixels);
    QCache<Key, QImage>& cache = images();
    const Key key = keyOf(picture, size, dpr, backdrop);
    if (const QImage* kept = cache.object(key)) {
        return *kept;
    }
    const QSize pixels = (QSizeF(size) * dpr).toSize();
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        return {};
    }
    image.setDevicePixelRatio(dpr);
    image.fill(backdrop.isValid() ? backdrop : QColor(Qt::transparent));
    QPainter painter(&image);
    painter.setRenderHints(hints);
    const bool alone = picture.source()->drawAlone(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    // On its backdrop a picture that combines with what lies beneath has combined with
    // what the screen would have beneath it.
    if (!alone && !backdrop.isValid()) {
        drawnInPlace().insert(picture.key());
        return {};
    }
    // A picture that covers every pixel (a photograph, most pages) is kept without an
    // alpha channel, so that copying it onto the screen is a plain copy, not a blend.
    if (opaque(image)) {
        image.reinterpretAsFormat(QImage::Format_RGB32);
    }
    // An image larger than the whole cache is refused (and deleted) by the cache.
    cache.insert(key, new QImage(image), std::max<qsizetype>(1, image.sizeInBytes() / 1024));
    return image;
}

bool draw(QPainter& painter, const Picture& picture, const QRect& target, const QColor& backdrop) {
    const QTransform t = painter.deviceTransform();
    if (t.type() > QTransform::TxScale || t.m11() <= 0 || !qFuzzyCompare(t.m11(), t.m22())) {
        return false;
    }
    const QPointF origin = t.map(QPointF(target.topLeft()));
    if (!whole(origin.x()) || !whole(origin.y())) {
        return false;
    }
    const qreal dpr = t.m11();
    if (!keepable(picture, target.size(), dpr, backdrop)) {
        return false;
    }
    if (const QImage* kept = images().object(keyOf(picture, target.size(), dpr, backdrop))) {
        painter.drawImage(target.topLeft(), *kept);
        return true;
    }
    // Drawn onto the screen now, which is quicker than drawing it into a new image and
    // copying that; kept for the next time once the screen is up.
    const QPaintDevice* device = painter.device();
    qint64 displayPixels = qint64(device->width()) * device->height();
    if (const auto* widget = dynamic_cast<const QWidget*>(device)) {
        const QSize window = widget->window()->size();
        displayPixels = qint64(window.width()) * window.height();
    }
    keepLater(picture, target.size(), dpr, painter.renderHints(), qint64(displayPixels * dpr * dpr),
              backdrop);
    return false;
}

void clear() {
    images().clear();
    waiting().clear();
    drawnInPlace().clear();
}

} // namespace forms::rendered
