#include "diagrams.h"

#include "boroughmap.h"
#include "cp1252.h"
#include "geomap.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointF>
#include <QPolygonF>

#include <map>
#include <stdexcept>

#include <algorithm>
#include <cmath>

namespace pw::gen {
namespace {

// A map from a map file drawn into the metafile, in twips.
class WmfCanvas : public MapCanvas {
public:
    explicit WmfCanvas(const DiagramContext& ctx) : m_ctx(ctx) {}

    void polygon(const std::vector<QPointF>& points, const QColor& fill, std::optional<QColor> edge,
                 double edgeWidth) override {
        m_ctx.out.selectPen(edge, int(std::lround(edgeWidth)));
        m_ctx.out.selectBrush(fill);
        m_ctx.out.polygon(round(points));
    }
    void polyline(const std::vector<QPointF>& points, const QColor& color, double width) override {
        m_ctx.out.selectPen(color, std::max(1, int(std::lround(width))));
        m_ctx.out.polyline(round(points));
    }
    void ellipse(const QPointF& c, double r, const QColor& fill, const QColor& edge,
                 double edgeWidth) override {
        m_ctx.out.selectPen(edge, int(std::lround(edgeWidth)));
        m_ctx.out.selectBrush(fill);
        const QRect box = QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r).toRect();
        m_ctx.out.ellipse(box.left(), box.top(), box.right(), box.bottom());
    }
    void text(const QPointF& at, const QString& text, double height, bool bold, bool italic,
              const QColor& color) override {
        m_ctx.out.setTextColor(color);
        m_ctx.out.selectFont(font(height, bold, italic));
        m_ctx.out.textOut(int(std::lround(at.x())), int(std::lround(at.y())), toCp1252(text));
    }
    // With room to spare: the program's renderer may draw a name a little wider than the
    // font files measure here, and names are kept inside the frame by their width.
    double textWidth(const QString& text, double height, bool bold, bool italic) const override {
        return m_ctx.text.width(font(height, bold, italic), text) * 1.08;
    }

private:
    FontSpec font(double height, bool bold, bool italic) const {
        return {m_ctx.style.small.face, int(std::lround(height)), bold, italic};
    }
    static std::vector<QPoint> round(const std::vector<QPointF>& points) {
        std::vector<QPoint> out;
        for (const QPointF& p : points) {
            out.push_back(p.toPoint());
        }
        return out;
    }
    const DiagramContext& m_ctx;
};

MapLook pageLook(const PageStyle& s) {
    MapLook l;
    l.water = s.sea;
    l.land = s.land;
    l.edge = s.print ? QColor(0, 0, 0) : s.coast;
    l.coast = s.coast;
    l.border = s.border;
    l.highlight = s.highlight;
    if (s.print) {
        l.region = QColor(235, 225, 195);
        l.park = QColor(180, 220, 160);
        l.forest = QColor(150, 200, 150);
        l.hills = QColor(220, 200, 160);
        l.desert = QColor(240, 215, 170);
        l.town = QColor(235, 215, 215);
        l.river = l.canal = QColor(30, 100, 200);
        l.road = QColor(200, 60, 40);
        l.rail = QColor(40, 40, 40);
        l.place = l.placeText = l.noteText = QColor(0, 0, 0);
        l.highlightText = s.highlight;
        l.seaText = QColor(30, 80, 150);
        l.areaText = QColor(90, 90, 90);
        l.hillsText = s.hills;
        l.riverText = QColor(30, 90, 180);
    } else {
        l.region = QColor(150, 140, 100);
        l.park = QColor(70, 140, 70);
        l.forest = QColor(50, 110, 60);
        l.hills = QColor(150, 120, 80);
        l.desert = QColor(190, 150, 90);
        l.town = QColor(170, 120, 120);
        l.river = l.canal = QColor(140, 200, 255);
        l.road = QColor(255, 140, 100);
        l.rail = QColor(30, 30, 30);
        l.place = l.placeText = l.noteText = s.label;
        l.highlightText = s.titleColor;
        l.seaText = QColor(210, 230, 255);
        l.areaText = QColor(230, 230, 230);
        l.hillsText = s.hills.lighter(170);
        l.riverText = QColor(170, 215, 255);
    }
    l.line = 15;
    l.dot = 45;
    l.text = s.small.height;
    l.margin = 60;
    return l;
}

// The two kinds of map file, told apart by what they hold: a map in latitude and longitude
// has "bounds", a map drawn as regions in picture pixels has "regions".
enum class MapKind { GeoMap, RegionMap };

MapKind kindOfMapFile(const QString& path) {
    static std::map<QString, MapKind> cache;
    if (const auto it = cache.find(path); it != cache.end()) {
        return it->second;
    }
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        throw std::runtime_error(path.toStdString() + ": cannot be read");
    }
    const QJsonObject root = QJsonDocument::fromJson(f.readAll()).object();
    MapKind kind;
    if (root.contains(QStringLiteral("bounds"))) {
        kind = MapKind::GeoMap;
    } else if (root.contains(QStringLiteral("regions"))) {
        kind = MapKind::RegionMap;
    } else {
        throw std::runtime_error(path.toStdString() +
                                 ": not a map (a map has \"bounds\" or \"regions\")");
    }
    return cache.emplace(path, kind).first->second;
}

// Map files are read once per run of the generator.
const GeoMap& geoMapFile(const QString& path) {
    static std::map<QString, GeoMap> cache;
    auto it = cache.find(path);
    if (it == cache.end()) {
        QString error;
        std::optional<GeoMap> map = loadGeoMap(path, &error);
        if (!map) {
            throw std::runtime_error(error.toStdString());
        }
        it = cache.emplace(path, std::move(*map)).first;
    }
    return it->second;
}

const BoroughMap& regionMapFile(const QString& path) {
    static std::map<QString, BoroughMap> cache;
    auto it = cache.find(path);
    if (it == cache.end()) {
        QString error;
        std::optional<BoroughMap> map = BoroughMap::load(path, &error);
        if (!map) {
            throw std::runtime_error(path.toStdString() + ": " + error.toStdString());
        }
        it = cache.emplace(path, std::move(*map)).first;
    }
    return it->second;
}

double regionMapAspect(const BoroughMap& map) {
    return double(map.imageSize().width()) / map.imageSize().height();
}

// Where a region's name goes: the middle of the first screen text that lies over it (the
// picture's own labelling screen puts them where they read well), else its centroid.
QPointF namePoint(const BoroughMap& map, const MapRegion& region) {
    for (const MapOverlay& o : map.overlays()) {
        if (o.region == region.name) {
            return map.toPixel(o.twips.center(), map.imageSize());
        }
    }
    QPointF sum;
    for (const QPointF& p : region.outline) {
        sum += p;
    }
    return sum / std::max<qsizetype>(1, region.outline.size());
}

// The region map as the page's version draws it. Screen: the picture's own colours, the outer
// regions dark with yellow names, each inner region's name in a black label with yellow
// letters, as the words of the labelling screen look. Print: light outer regions and dark
// names, so the paper is not covered in ink.
void drawRegionMap(const DiagramContext& ctx, const BoroughMap& map, const QRect& box) {
    const PageStyle& s = ctx.style;
    const double width = std::min<double>(box.width(), box.height() * regionMapAspect(map));
    const QRectF frame(box.left() + (box.width() - width) / 2, box.top(), width, box.height());
    const double scale = frame.width() / map.imageSize().width();
    const auto toPage = [&](QPointF p) {
        return QPoint(int(std::lround(frame.left() + p.x() * scale)),
                      int(std::lround(frame.top() + p.y() * scale)));
    };
    const auto outline = [&](const QPolygonF& poly) {
        std::vector<QPoint> out;
        for (const QPointF& p : poly) {
            out.push_back(toPage(p));
        }
        return out;
    };
    // Regions of the map's first kind are the ones it is about; the others lie around them.
    const QString inner = map.regions().isEmpty() ? QString() : map.regions().front().kind;
    const QColor outerFill = s.print ? QColor(226, 234, 226) : QColor(63, 93, 75);
    const QColor outerEdge = s.print ? QColor(150, 160, 150) : QColor(140, 165, 150);
    const QColor innerEdge = s.print ? QColor(0, 0, 0) : QColor(60, 55, 60);
    for (const MapRegion& r : map.regions()) {
        if (r.kind != inner) {
            ctx.out.selectPen(outerEdge, 10);
            ctx.out.selectBrush(outerFill);
            ctx.out.polygon(outline(r.outline));
        }
    }
    for (const MapRegion& r : map.regions()) {
        if (r.kind == inner) {
            ctx.out.selectPen(innerEdge, 15);
            ctx.out.selectBrush(r.fill);
            ctx.out.polygon(outline(r.outline));
        }
    }
    ctx.out.selectPen(s.print ? QColor(0, 0, 0) : s.coast, 15);
    ctx.out.selectBrush(std::nullopt);
    ctx.out.rectangle(int(std::lround(frame.left())), int(std::lround(frame.top())),
                      int(std::lround(frame.right())), int(std::lround(frame.bottom())));

    // The inner regions' names are what the map teaches: bold. Outer names are smaller.
    FontSpec font = s.small;
    font.bold = true;
    FontSpec outerFont = s.small;
    outerFont.height = s.small.height * 17 / 20;
    const QColor yellow(255, 255, 0);
    std::vector<QRect> placed;
    for (const MapRegion& r : map.regions()) {
        const bool isInner = r.kind == inner;
        const FontSpec& f = isInner ? font : outerFont;
        const int w = ctx.text.width(f, r.name);
        const int h = int(ctx.text.measure().height(f));
        const int pad = h / 5;
        const QPoint anchor = toPage(namePoint(map, r));
        // A name that would cover one already written moves down or up, a line at a time,
        // as long as its middle stays over its own region.
        QRect label;
        for (int step : {0, 1, -1, 2, -2, 3, -3}) {
            const QPoint at = anchor + QPoint(0, step * (h + pad * 2));
            const int x = std::clamp(at.x() - w / 2, int(frame.left()) + pad + 30,
                                     int(frame.right()) - pad - 30 - w);
            const int y = std::clamp(at.y() - h / 2, int(frame.top()) + pad + 30,
                                     int(frame.bottom()) - pad - 30 - h);
            const QRect candidate(x - pad, y - pad / 2, w + 2 * pad, h + pad);
            const QPointF middle((candidate.center().x() - frame.left()) / scale,
                                 (candidate.center().y() - frame.top()) / scale);
            const bool free = std::none_of(placed.begin(), placed.end(), [&](const QRect& q) {
                return q.intersects(candidate);
            });
            if (step == 0) {
                label = candidate;
            }
            if (free && r.outline.containsPoint(middle, Qt::OddEvenFill)) {
                label = candidate;
                break;
            }
        }
        placed.push_back(label);
        const int x = label.left() + pad, y = label.top() + pad / 2;
        QColor colour;
        if (!isInner) {
            colour = s.print ? QColor(70, 80, 70) : yellow;
        } else if (s.print) {
            colour = QColor(0, 0, 0);
        } else {
            ctx.out.selectPen(QColor(0, 0, 0), 10);
            ctx.out.selectBrush(QColor(0, 0, 0));
            ctx.out.rectangle(label.left(), label.top(), label.right(), label.bottom());
            colour = yellow;
        }
        ctx.out.setTextColor(colour);
        ctx.out.selectFont(f);
        ctx.out.textOut(x, y, toCp1252(r.name));
    }

    // North arrow in the bottom right corner, where the picture has its own.
    const int h = int(ctx.text.measure().height(font));
    const int a = h * 2;
    const QPoint tip(int(frame.right()) - a, int(frame.bottom()) - a * 2);
    const QColor arrow = s.print ? QColor(0, 0, 0) : QColor(255, 255, 255);
    ctx.out.selectPen(arrow, 10);
    ctx.out.selectBrush(s.print ? QColor(255, 255, 255) : outerFill);
    ctx.out.polygon({tip, tip + QPoint(a * 2 / 5, a * 3 / 2), tip + QPoint(0, a * 11 / 10)});
    ctx.out.selectBrush(arrow);
    ctx.out.polygon({tip, tip + QPoint(-a * 2 / 5, a * 3 / 2), tip + QPoint(0, a * 11 / 10)});
    ctx.out.setTextColor(s.print ? QColor(0, 0, 0) : yellow);
    ctx.out.selectFont(font);
    ctx.out.textOut(tip.x() - ctx.text.width(font, QStringLiteral("N")) / 2, tip.y() - h - 20,
                    "N");
}

const QString& mapPath(const Block& block) {
    if (block.args.isEmpty() || block.args.front().isEmpty()) {
        throw std::runtime_error("a map needs its file: \"@map HEIGHT | maps/NAME.json\"");
    }
    return block.args.front();
}

} // namespace

// "@map HEIGHT | FILE" draws the map of a map file, as wide as the column allows and at most
// HEIGHT high: a map in latitude and longitude, or a map drawn as regions in picture pixels.
int mapHeight(const DiagramContext& ctx, const Block& block, int width) {
    const QString& path = mapPath(block);
    const double aspect = kindOfMapFile(path) == MapKind::GeoMap
                              ? geoMapFile(path).aspect()
                              : regionMapAspect(regionMapFile(path));
    return std::min(block.amount * ctx.style.diagramScale / 100, int(std::lround(width / aspect)));
}

void drawMap(const DiagramContext& ctx, const Block& block, const QRect& box) {
    const QString& path = mapPath(block);
    if (kindOfMapFile(path) == MapKind::RegionMap) {
        drawRegionMap(ctx, regionMapFile(path), box);
        return;
    }
    const GeoMap& map = geoMapFile(path);
    const double width = std::min<double>(box.width(), box.height() * map.aspect());
    const QRectF frame(box.left() + (box.width() - width) / 2, box.top(), width, box.height());
    WmfCanvas canvas(ctx);
    drawGeoMap(canvas, map, frame, pageLook(ctx.style));
}

} // namespace pw::gen
