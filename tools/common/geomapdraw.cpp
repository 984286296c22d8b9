// Drawing a GeoMap onto a canvas: clipping to the box, dashed lines, names kept inside.
#include "geomap.h"

#include <QLineF>

#include <algorithm>
#include <cmath>

namespace pw::gen {
namespace {

using Path = std::vector<QPointF>;

// Sutherland-Hodgman against one edge of the box at a time.
template <class Inside, class Cross> Path clipEdge(const Path& in, Inside inside, Cross cross) {
    Path out;
    for (size_t i = 0; i < in.size(); ++i) {
        const QPointF& a = in[i];
        const QPointF& b = in[(i + 1) % in.size()];
        if (inside(b)) {
            if (!inside(a)) {
                out.push_back(cross(a, b));
            }
            out.push_back(b);
        } else if (inside(a)) {
            out.push_back(cross(a, b));
        }
    }
    return out;
}

QPointF atX(const QPointF& a, const QPointF& b, double x) {
    return {x, a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x())};
}
QPointF atY(const QPointF& a, const QPointF& b, double y) {
    return {a.x() + (b.x() - a.x()) * (y - a.y()) / (b.y() - a.y()), y};
}

Path clipPolygon(Path p, const QRectF& r) {
    p = clipEdge(
        p, [&](QPointF q) { return q.x() >= r.left(); },
        [&](QPointF a, QPointF b) { return atX(a, b, r.left()); });
    p = clipEdge(
        p, [&](QPointF q) { return q.x() <= r.right(); },
        [&](QPointF a, QPointF b) { return atX(a, b, r.right()); });
    p = clipEdge(
        p, [&](QPointF q) { return q.y() >= r.top(); },
        [&](QPointF a, QPointF b) { return atY(a, b, r.top()); });
    p = clipEdge(
        p, [&](QPointF q) { return q.y() <= r.bottom(); },
        [&](QPointF a, QPointF b) { return atY(a, b, r.bottom()); });
    return p;
}

// Liang-Barsky: the part of a segment inside the box, if any.
bool clipSegment(QPointF& a, QPointF& b, const QRectF& r) {
    double t0 = 0, t1 = 1;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) {
                return false;
            }
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
    }
    if (t0 > t1) {
        return false;
    }
    const QPointF start = a;
    a = start + QPointF(dx, dy) * t0;
    b = start + QPointF(dx, dy) * t1;
    return true;
}

std::vector<Path> clipLine(const Path& line, const QRectF& r) {
    std::vector<Path> out;
    Path current;
    for (size_t i = 0; i + 1 < line.size(); ++i) {
        QPointF a = line[i], b = line[i + 1];
        if (!clipSegment(a, b, r)) {
            if (!current.empty()) {
                out.push_back(current);
                current.clear();
            }
            continue;
        }
        if (current.empty() || current.back() != a) {
            if (!current.empty()) {
                out.push_back(current);
            }
            current = {a};
        }
        current.push_back(b);
    }
    if (current.size() > 1) {
        out.push_back(current);
    }
    return out;
}

// Cuts a line into dashes of length `on` with gaps of length `off`.
std::vector<Path> dashes(const Path& line, double on, double off) {
    std::vector<Path> out;
    Path dash;
    bool drawing = true;
    double left = on;
    for (size_t i = 0; i + 1 < line.size(); ++i) {
        QPointF a = line[i];
        const QPointF b = line[i + 1];
        double length = QLineF(a, b).length();
        if (drawing && dash.empty()) {
            dash.push_back(a);
        }
        while (length > left) {
            const QPointF cut = a + (b - a) * (left / length);
            if (drawing) {
                dash.push_back(cut);
                out.push_back(dash);
                dash.clear();
            } else {
                dash = {cut};
            }
            drawing = !drawing;
            length -= left;
            a = cut;
            left = drawing ? on : off;
        }
        left -= length;
        if (drawing) {
            dash.push_back(b);
        }
    }
    if (drawing && dash.size() > 1) {
        out.push_back(dash);
    }
    return out;
}

class Painter {
public:
    Painter(MapCanvas& canvas, const GeoMap& map, const QRectF& box, const MapLook& look)
        : c(canvas), m(map), box(box), look(look) {}

    void draw() {
        c.polygon(corners(), m.waterBackground ? look.water : look.land, std::nullopt, 0);
        for (const GeoMap::Layer& l : m.layers) {
            if (l.area) {
                area(*l.area);
            } else if (l.line) {
                line(*l.line);
            }
        }
        // Names go over every shape, so no area hides one.
        for (const GeoMap::Layer& l : m.layers) {
            if (l.place) {
                place(*l.place);
            } else if (l.label) {
                label(*l.label);
            }
        }
        if (m.northArrow) {
            northArrow();
        }
        if (m.scaleAmount > 0) {
            scaleBar();
        }
        c.polyline(closed(corners()), look.edge, look.line);
    }

private:
    Path corners() const {
        return {box.topLeft(), box.topRight(), box.bottomRight(), box.bottomLeft()};
    }
    static Path closed(Path p) {
        p.push_back(p.front());
        return p;
    }
    Path project(const std::vector<LatLon>& points) const {
        Path out;
        for (const LatLon& p : points) {
            out.push_back(m.project(p, box));
        }
        return out;
    }

    QColor fillOf(const GeoMap::Area& a) const {
        if (a.fill) {
            return *a.fill;
        }
        const std::pair<const char*, QColor> fills[] = {
            {"land", look.land},     {"water", look.water},   {"region", look.region},
            {"park", look.park},     {"forest", look.forest}, {"hills", look.hills},
            {"desert", look.desert}, {"town", look.town}};
        for (const auto& [role, colour] : fills) {
            if (a.role == QLatin1String(role)) {
                return colour;
            }
        }
        return look.land;
    }

    void area(const GeoMap::Area& a) {
        const Path p = clipPolygon(project(a.points), box);
        if (p.size() < 3) {
            return;
        }
        const bool water = a.role == QLatin1String("water");
        c.polygon(p, fillOf(a), water ? look.coast : look.edge, look.line * (water ? 0.6 : 0.5));
    }

    void line(const GeoMap::Line& l) {
        const double w = look.line;
        for (const Path& piece : clipLine(project(l.points), box)) {
            if (l.role == QLatin1String("river")) {
                c.polyline(piece, look.river, w * 1.6);
            } else if (l.role == QLatin1String("coast")) {
                c.polyline(piece, look.coast, w);
            } else if (l.role == QLatin1String("road")) {
                c.polyline(piece, look.road, w * 2);
            } else if (l.role == QLatin1String("canal")) {
                for (const Path& d : dashes(piece, w * 6, w * 2)) {
                    c.polyline(d, look.canal, w * 1.6);
                }
            } else if (l.role == QLatin1String("rail")) {
                c.polyline(piece, look.rail, w * 2.2);
                for (const Path& d : dashes(piece, w * 5, w * 5)) {
                    c.polyline(d, QColor(255, 255, 255), w * 1.0);
                }
            } else {
                for (const Path& d : dashes(piece, w * 5, w * 3)) {
                    c.polyline(d, look.border, w * 1.2);
                }
            }
        }
    }

    // Places the text's top-left corner so the text sits on `side` of `at`, kept inside.
    void name(const QString& text, QPointF at, GeoMap::Side side, double gap, double height,
              bool bold, bool italic, const QColor& colour) {
        const double w = c.textWidth(text, height, bold, italic);
        QPointF tl;
        switch (side) {
        case GeoMap::Side::Left:
            tl = {at.x() - gap - w, at.y() - height / 2};
            break;
        case GeoMap::Side::Right:
            tl = {at.x() + gap, at.y() - height / 2};
            break;
        case GeoMap::Side::Above:
            tl = {at.x() - w / 2, at.y() - gap - height};
            break;
        case GeoMap::Side::Below:
            tl = {at.x() - w / 2, at.y() + gap};
            break;
        }
        tl.setX(std::clamp(tl.x(), box.left() + look.margin,
                           std::max(box.left() + look.margin, box.right() - look.margin - w)));
        tl.setY(std::clamp(tl.y(), box.top() + look.margin,
                           std::max(box.top() + look.margin, box.bottom() - look.margin - height)));
        c.text(tl, text, height, bold, italic, colour);
    }

    void place(const GeoMap::Place& p) {
        const QPointF at = m.project(p.at, box);
        if (!box.contains(at)) {
            return;
        }
        const bool highlight = p.role == QLatin1String("highlight");
        const bool big =
            highlight || p.role == QLatin1String("capital") || p.role == QLatin1String("city");
        const double r = look.dot * (highlight ? 1.5 : big ? 1.15 : 1.0);
        c.ellipse(at, r, highlight ? look.highlight : look.place,
                  highlight ? QColor(255, 255, 255) : look.place, look.line * 0.6);
        if (!p.name.isEmpty()) {
            name(p.name, at, p.side, r + look.dot * 0.6, look.text * (highlight ? 1.15 : 1.0), big,
                 false, highlight ? look.highlightText : look.placeText);
        }
    }

    void label(const GeoMap::Label& l) {
        const QPointF at = m.project(l.at, box);
        const QString& role = l.role;
        const QColor colour = role == QLatin1String("sea")     ? look.seaText
                              : role == QLatin1String("area")  ? look.areaText
                              : role == QLatin1String("hills") ? look.hillsText
                              : role == QLatin1String("river") ? look.riverText
                                                               : look.noteText;
        const bool italic = role != QLatin1String("area") && role != QLatin1String("note");
        const double h = look.text * (role == QLatin1String("area") ? 1.0 : 0.95);
        // Centred on the point: "below" it, lifted by half the text's height.
        name(l.text, at, GeoMap::Side::Below, -h / 2, h, role == QLatin1String("area"), italic,
             colour);
    }

    void northArrow() {
        const double h = look.text * 3.2;
        const QPointF tip(box.right() - look.margin * 2 - h * 0.3,
                          box.top() + look.margin * 2 + look.text * 1.2);
        const Path left = {tip, tip + QPointF(-h * 0.3, h), tip + QPointF(0, h * 0.72)};
        const Path right = {tip, tip + QPointF(h * 0.3, h), tip + QPointF(0, h * 0.72)};
        c.polygon(left, QColor(255, 255, 255), look.edge, look.line * 0.6);
        c.polygon(right, look.edge, look.edge, look.line * 0.6);
        const double w = c.textWidth(QStringLiteral("N"), look.text, true, false);
        c.text(tip - QPointF(w / 2, look.text * 1.15), QStringLiteral("N"), look.text, true, false,
               look.edge);
    }

    void scaleBar() {
        const double km = m.scaleInMiles ? m.scaleAmount * 1.609344 : m.scaleAmount;
        const double length = km / m.kmPerUnit(box);
        const double x = box.left() + look.margin * 2;
        const double y = box.bottom() - look.margin * 2 - look.text * 1.3;
        const double h = look.line * 3;
        const Path bar = {{x, y}, {x + length, y}, {x + length, y + h}, {x, y + h}};
        c.polygon(bar, QColor(255, 255, 255), look.edge, look.line * 0.6);
        const Path half = {{x, y}, {x + length / 2, y}, {x + length / 2, y + h}, {x, y + h}};
        c.polygon(half, look.edge, look.edge, look.line * 0.6);
        const QString unit =
            m.scaleInMiles ? (m.scaleAmount == 1 ? QStringLiteral("mile") : QStringLiteral("miles"))
                           : QStringLiteral("km");
        const QString text = QStringLiteral("%1 %2").arg(m.scaleAmount).arg(unit);
        c.text({x, y + h + look.text * 0.15}, text, look.text * 0.85, false, false, look.noteText);
    }

    MapCanvas& c;
    const GeoMap& m;
    const QRectF box;
    const MapLook& look;
};

} // namespace

void drawGeoMap(MapCanvas& canvas, const GeoMap& map, const QRectF& box, const MapLook& look) {
    Painter(canvas, map, box, look).draw();
}

} // namespace pw::gen
