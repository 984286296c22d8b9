#include "forms/renderedpictures.h"

#include <QCache>
#include <QPainter>
#include <QSet>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace forms::rendered {

namespace {

struct Key {
    quint64 picture;
    QSize size;
    int dprPermille;
    bool operator==(const Key&) const = default;
};

size_t qHash(const Key& k, size_t seed = 0) {
    return qHashMulti(seed, k.picture, k.size.width(), k.size.height(), k.dprPermille);
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

} // namespace

QImage picture(const Picture& picture, QSize size, qreal dpr, QPainter::RenderHints hints,
               qint64 displayPixels) {
    if (picture.isNull() || size.isEmpty() || dpr <= 0 || drawnInPlace().contains(picture.key())) {
        return {};
    }
    QCache<Key, QImage>& cache = images();
    cache.setMaxCost(
        std::max(cache.maxCost(), qsizetype(kDisplaysKept * displayPixels * 4 / 1024)));
    const Key key{picture.key(), size, int(std::lround(dpr * 1000))};
    if (const QImage* kept = cache.object(key)) {
        return *kept;
    }
    const QSize pixels = (QSizeF(size) * dpr).toSize();
    if (picture.source()->copiedAt(pixels)) {
        return {};
    }
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        return {};
    }
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(hints);
    const bool alone = picture.source()->drawAlone(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    if (!alone) {
        drawnInPlace().insert(picture.key());
        return {};
    }
    // An image larger than the whole cache is refused (and deleted) by the cache.
    cache.insert(key, new QImage(image), std::max<qsizetype>(1, image.sizeInBytes() / 1024));
    return image;
}

bool draw(QPainter& painter, const Picture& picture, const QRect& target) {
    const QTransform t = painter.deviceTransform();
    if (t.type() > QTransform::TxScale || t.m11() <= 0 || !qFuzzyCompare(t.m11(), t.m22())) {
        return false;
    }
    const QPointF origin = t.map(QPointF(target.topLeft()));
    if (!whole(origin.x()) || !whole(origin.y())) {
        return false;
    }
    const QPaintDevice* device = painter.device();
    qint64 displayPixels = qint64(device->width()) * device->height();
    if (const auto* widget = dynamic_cast<const QWidget*>(device)) {
        const QSize window = widget->window()->size();
        displayPixels = qint64(window.width()) * window.height();
    }
    const qreal dpr = t.m11();
    const QImage image = rendered::picture(picture, target.size(), dpr, painter.renderHints(),
                                           qint64(displayPixels * dpr * dpr));
    if (image.isNull()) {
        return false;
    }
    painter.drawImage(target.topLeft(), image);
    return true;
}

void clear() {
    images().clear();
    drawnInPlace().clear();
}

} // namespace forms::rendered
