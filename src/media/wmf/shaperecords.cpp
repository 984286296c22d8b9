#include "media/wmf/handlers.h"

#include <cmath>

namespace wmf {

namespace {

// Points stored as x, y pairs from a word index.
QPolygonF pointsAt(PlayContext& c, const RecordParams& p, qsizetype word, int count) {
    QPolygonF polygon;
    polygon.reserve(count);
    for (int i = 0; i < count; ++i)
        polygon.append(c.map(p.s16(word + 2 * i), p.s16(word + 2 * i + 1)));
    return polygon;
}

void lineTo(PlayContext& c, const RecordParams& p) {
    if (!p.has(2))
        return;
    const QPointF to = pointAt(p, 0);
    QPainterPath path(c.map(c.state().position));
    path.lineTo(c.map(to));
    c.stroke(path);
    c.state().position = to;
}

void polyline(PlayContext& c, const RecordParams& p) {
    const int count = p.u16(0);
    if (!p.has(1) || !p.has(1 + 2 * qsizetype(count)) || count < 2)
        return;
    QPainterPath path;
    path.addPolygon(pointsAt(c, p, 1, count));
    c.stroke(path);
}

void polygon(PlayContext& c, const RecordParams& p) {
    const int count = p.u16(0);
    if (!p.has(1) || !p.has(1 + 2 * qsizetype(count)) || count < 2)
        return;
    QPainterPath path;
    path.addPolygon(pointsAt(c, p, 1, count));
    path.closeSubpath();
    c.fillAndStroke(path);
}

// Number of polygons, the point count of each, then all the points.
void polyPolygon(PlayContext& c, const RecordParams& p) {
    const int polygons = p.u16(0);
    if (!p.has(1 + qsizetype(polygons)))
        return;
    qsizetype word = 1 + polygons;
    QPainterPath path;
    for (int i = 0; i < polygons; ++i) {
        const int count = p.u16(1 + i);
        if (!p.has(word + 2 * qsizetype(count)))
            return;
        path.addPolygon(pointsAt(c, p, word, count));
        path.closeSubpath();
        word += 2 * qsizetype(count);
    }
    c.fillAndStroke(path);
}

// Rectangle-like records end with bottom, right, top, left.
QRectF boxAt(PlayContext& c, const RecordParams& p, qsizetype word) {
    return c.mapRect(pointAt(p, word + 2), pointAt(p, word));
}

void rectangle(PlayContext& c, const RecordParams& p) {
    if (!p.has(4))
        return;
    QPainterPath path;
    path.addRect(boxAt(c, p, 0));
    c.fillAndStroke(path);
}

void roundRect(PlayContext& c, const RecordParams& p) {
    if (!p.has(6))
        return;
    const double w = std::abs(p.s16(1) * c.scaleX()), h = std::abs(p.s16(0) * c.scaleY());
    QPainterPath path;
    path.addRoundedRect(boxAt(c, p, 2), w / 2, h / 2);
    c.fillAndStroke(path);
}

void ellipse(PlayContext& c, const RecordParams& p) {
    if (!p.has(4))
        return;
    QPainterPath path;
    path.addEllipse(boxAt(c, p, 0));
    c.fillAndStroke(path);
}

enum class ArcKind { Open, Pie, Chord };

// The arc runs counter-clockwise on screen from where the line from the centre to the
// start point meets the ellipse to where the line to the end point does.
template <ArcKind kind> void arc(PlayContext& c, const RecordParams& p) {
    if (!p.has(8))
        return;
    const QRectF box = boxAt(c, p, 4);
    if (box.width() <= 0 || box.height() <= 0)
        return;
    const QPointF centre = box.center();
    auto angleOf = [&](QPointF logical) {
        const QPointF d = c.map(logical) - centre;
        return std::atan2(-d.y() / box.height(), d.x() / box.width()) * 180 / M_PI;
    };
    const double start = angleOf(pointAt(p, 2));
    double sweep = angleOf(pointAt(p, 0)) - start;
    if (sweep <= 1e-9)
        sweep += 360;
    QPainterPath path;
    if (kind == ArcKind::Pie)
        path.moveTo(centre);
    else
        path.arcMoveTo(box, start);
    path.arcTo(box, start, sweep);
    if (kind == ArcKind::Open) {
        c.stroke(path);
    } else {
        path.closeSubpath();
        c.fillAndStroke(path);
    }
}

// SetPixel paints one device pixel, at least one logical unit large.
void setPixel(PlayContext& c, const RecordParams& p) {
    if (!p.has(4))
        return;
    const QPointF at = c.map(pointAt(p, 2));
    const QSizeF size(std::max(1.0, c.scaleX()), std::max(1.0, c.scaleY()));
    c.painter().setCompositionMode(QPainter::CompositionMode_SourceOver);
    c.painter().fillRect(QRectF(at, size), colorAt(p, 0));
}

} // namespace

void addShapeHandlers(HandlerTable& t) {
    t.insert(fn::LineTo, lineTo);
    t.insert(fn::Polyline, polyline);
    t.insert(fn::Polygon, polygon);
    t.insert(fn::PolyPolygon, polyPolygon);
    t.insert(fn::Rectangle, rectangle);
    t.insert(fn::RoundRect, roundRect);
    t.insert(fn::Ellipse, ellipse);
    t.insert(fn::Arc, arc<ArcKind::Open>);
    t.insert(fn::Pie, arc<ArcKind::Pie>);
    t.insert(fn::Chord, arc<ArcKind::Chord>);
    t.insert(fn::SetPixel, setPixel);
}

} // namespace wmf
