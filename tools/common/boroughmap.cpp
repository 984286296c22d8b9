#include "boroughmap.h"

#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtMath>

namespace {

QRectF rectFrom(const QJsonArray& a) {
    return QRectF(a.at(0).toDouble(), a.at(1).toDouble(), a.at(2).toDouble(), a.at(3).toDouble());
}

// A stable hash (qHash is seeded per run, which would change the picture from run to run).
quint32 fnv1a(const QString& text) {
    quint32 h = 2166136261u;
    for (QChar c : text) {
        h ^= c.unicode();
        h *= 16777619u;
    }
    return h;
}

bool onFrame(QPointF p, QSize image) {
    return p.x() <= 0 || p.y() <= 0 || p.x() >= image.width() || p.y() >= image.height();
}

// Real borders meander. Each border between two corners gets the same gentle bends whichever
// region draws it, because the bends depend only on the pair of corner names, taken in order.
QList<QPointF> bends(const QString& from, QPointF a, const QString& to, QPointF b, QSize image) {
    if (onFrame(a, image) && onFrame(b, image))
        return {};
    const bool reversed = to < from;
    const QPointF p0 = reversed ? b : a;
    const QPointF d = (reversed ? a : b) - p0;
    const qreal length = qSqrt(QPointF::dotProduct(d, d));
    const int steps = qMax(2, int(length / 7));
    const quint32 h = fnv1a(reversed ? to + '|' + from : from + '|' + to);
    const qreal amplitude = qMin<qreal>(2.5, length * 0.04);
    const qreal phase1 = (h & 0xff) / 255.0 * 2 * M_PI;
    const qreal phase2 = ((h >> 8) & 0xff) / 255.0 * 2 * M_PI;
    const QPointF normal(-d.y() / length, d.x() / length);
    QList<QPointF> points;
    for (int i = 1; i < steps; ++i) {
        const qreal t = qreal(i) / steps;
        const qreal wave =
            qSin(t * 2 * M_PI * 1.5 + phase1) + 0.5 * qSin(t * 2 * M_PI * 3.5 + phase2);
        points << p0 + d * t + normal * (amplitude * qSin(t * M_PI) * wave / 1.5);
    }
    if (reversed)
        std::reverse(points.begin(), points.end());
    return points;
}

std::optional<QPolygonF> outlineFrom(const QJsonArray& names, const QHash<QString, QPointF>& nodes,
                                     QSize image, QString* error) {
    QPolygonF poly;
    for (int i = 0; i < names.size(); ++i) {
        const QString from = names.at(i).toString();
        const QString to = names.at((i + 1) % names.size()).toString();
        if (!nodes.contains(from) || !nodes.contains(to)) {
            *error = QStringLiteral("unknown corner %1").arg(nodes.contains(from) ? to : from);
            return std::nullopt;
        }
        poly << nodes.value(from);
        poly << bends(from, nodes.value(from), to, nodes.value(to), image);
    }
    if (poly.size() < 3) {
        *error = QStringLiteral("an outline needs three corners");
        return std::nullopt;
    }
    return poly;
}

} // namespace

std::optional<BoroughMap> BoroughMap::load(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open %1").arg(path);
        return std::nullopt;
    }
    QJsonParseError parseError;
    const QJsonObject root = QJsonDocument::fromJson(file.readAll(), &parseError).object();
    if (parseError.error != QJsonParseError::NoError) {
        *error = parseError.errorString();
        return std::nullopt;
    }
    BoroughMap map;
    const QJsonObject image = root.value("image").toObject();
    map.m_imageSize = QSize(image.value("width").toInt(), image.value("height").toInt());
    map.m_pictureFile = image.value("file").toString();
    map.m_previewFile = image.value("preview").toString();
    if (map.m_pictureFile.isEmpty()) {
        *error = QStringLiteral("image.file: the picture's file name is missing");
        return std::nullopt;
    }
    const QJsonObject screen = root.value("screen").toObject();
    map.m_screen = QRectF(screen.value("left").toDouble(), screen.value("top").toDouble(),
                          screen.value("width").toDouble(), screen.value("height").toDouble());
    if (map.m_imageSize.isEmpty() || map.m_screen.isEmpty()) {
        *error = QStringLiteral("missing picture or screen size");
        return std::nullopt;
    }
    QHash<QString, QPointF> nodes;
    const QJsonObject nodeObject = root.value("nodes").toObject();
    for (auto it = nodeObject.begin(); it != nodeObject.end(); ++it) {
        const QJsonArray xy = it.value().toArray();
        nodes.insert(it.key(), QPointF(xy.at(0).toDouble(), xy.at(1).toDouble()));
    }
    for (const auto& r : root.value("regions").toArray()) {
        const QJsonObject o = r.toObject();
        auto outline = outlineFrom(o.value("outline").toArray(), nodes, map.m_imageSize, error);
        if (!outline)
            return std::nullopt;
        map.m_regions.append({o.value("name").toString(), o.value("kind").toString(),
                              QColor(o.value("fill").toString()), *outline});
    }
    for (const auto& v : root.value("overlays").toArray()) {
        const QJsonObject o = v.toObject();
        map.m_overlays.append({o.value("text").toString(), o.value("kind").toString(),
                               rectFrom(o.value("rect").toArray()), o.value("region").toString(),
                               QColor(o.value("colour").toString("#000000")),
                               rectFrom(o.value("start").toArray())});
    }
    return map;
}

QPointF BoroughMap::toTwips(QPointF pixel, QSize size) const {
    return {m_screen.left() + pixel.x() * m_screen.width() / size.width(),
            m_screen.top() + pixel.y() * m_screen.height() / size.height()};
}

QPointF BoroughMap::toPixel(QPointF twips, QSize size) const {
    return {(twips.x() - m_screen.left()) * size.width() / m_screen.width(),
            (twips.y() - m_screen.top()) * size.height() / m_screen.height()};
}

const MapRegion* BoroughMap::region(const QString& name) const {
    for (const auto& r : m_regions) {
        if (r.name == name)
            return &r;
    }
    return nullptr;
}

QStringList BoroughMap::regionsAt(QPointF pixel) const {
    QStringList names;
    for (const auto& r : m_regions) {
        if (r.outline.containsPoint(pixel, Qt::OddEvenFill))
            names << r.name;
    }
    return names;
}
