#include "diagrams.h"

#include "cp1252.h"
#include "geomap.h"

#include <QPointF>

#include <map>
#include <stdexcept>

#include <algorithm>
#include <cmath>

namespace pw::gen {
namespace {

struct LatLon {
    double lat;
    double lon;
};

// A simplified coast of Great Britain, clockwise from Dunnet Head.
const std::vector<LatLon> kCoast = {
    {58.64, -3.05}, {58.44, -3.09}, {57.95, -3.9},  {57.48, -4.22}, {57.72, -3.3},  {57.69, -2.0},
    {57.5, -1.78},  {57.15, -2.09}, {56.7, -2.47},  {56.46, -2.85}, {56.28, -2.59}, {56.06, -2.72},
    {56.0, -3.3},   {55.95, -2.5},  {55.77, -2.0},  {55.02, -1.42}, {54.69, -1.2},  {54.49, -0.61},
    {54.12, -0.08}, {53.6, 0.14},   {53.14, 0.34},  {52.85, 0.2},   {52.93, 0.5},   {52.93, 1.3},
    {52.48, 1.75},  {51.96, 1.35},  {51.79, 1.15},  {51.54, 0.71},  {51.38, 1.45},  {51.13, 1.31},
    {50.91, 0.98},  {50.74, 0.25},  {50.82, -0.14}, {50.72, -0.79}, {50.8, -1.1},   {50.72, -1.88},
    {50.51, -2.46}, {50.72, -2.94}, {50.62, -3.41}, {50.22, -3.64}, {50.37, -4.14}, {49.96, -5.2},
    {50.07, -5.71}, {50.21, -5.48}, {50.41, -5.08}, {51.02, -4.52}, {51.2, -3.47},  {51.35, -2.98},
    {51.6, -2.6},   {51.47, -3.17}, {51.62, -3.94}, {51.56, -4.33}, {51.67, -4.7},  {51.9, -5.3},
    {52.0, -4.98},  {52.41, -4.09}, {52.72, -4.05}, {52.8, -4.77},  {53.14, -4.27}, {53.31, -4.63},
    {53.42, -4.3},  {53.33, -3.83}, {53.35, -3.1},  {53.41, -3.0},  {53.65, -3.0},  {53.82, -3.05},
    {54.1, -2.9},   {54.1, -3.23},  {54.51, -3.64}, {54.71, -3.5},  {54.95, -3.2},  {54.98, -3.26},
    {54.84, -4.05}, {54.64, -4.86}, {54.9, -5.03},  {55.0, -5.16},  {55.46, -4.63}, {55.95, -4.76},
    {55.3, -5.8},   {55.9, -5.5},   {56.41, -5.47}, {56.73, -6.23}, {57.0, -5.83},  {57.28, -5.71},
    {57.73, -5.7},  {57.9, -5.16},  {58.63, -5.0},  {58.53, -4.4},  {58.59, -3.52}};

const std::vector<LatLon> kScottishBorder = {
    {54.98, -3.05}, {55.1, -2.7}, {55.3, -2.3}, {55.5, -2.25}, {55.77, -2.03}};
const std::vector<LatLon> kWelshBorder = {
    {53.3, -3.05}, {52.95, -3.0}, {52.5, -3.1}, {52.0, -2.95}, {51.62, -2.67}};
const std::vector<LatLon> kPennines = {
    {54.75, -2.35}, {54.35, -2.25}, {53.95, -2.1}, {53.6, -1.95}, {53.3, -1.8}};

struct City {
    const char* name;
    LatLon at;
    bool labelLeft;
};

const City kCities[] = {{"London", {51.51, -0.13}, true},
                        {"Birmingham", {52.49, -1.89}, false},
                        {"Liverpool", {53.41, -2.99}, true},
                        {"Newcastle", {54.98, -1.62}, false}};

struct Name {
    const char* text;
    LatLon at;
    bool bold;
};

const Name kAreas[] = {{"SCOTLAND", {57.0, -4.1}, true},
                       {"WALES", {52.3, -3.75}, true},
                       {"ENGLAND", {51.95, -1.2}, true},
                       {"Irish Sea", {54.3, -4.75}, false},
                       {"North Sea", {56.7, -0.2}, false}};
const LatLon kManchester{53.48, -2.24};

class Projection {
public:
    explicit Projection(const QRect& box) {
        double minX = 1e9, minY = 1e9, maxX = -1e9, maxY = -1e9;
        for (const LatLon& p : kCoast) {
            const QPointF q = raw(p);
            minX = std::min(minX, q.x());
            maxX = std::max(maxX, q.x());
            minY = std::min(minY, q.y());
            maxY = std::max(maxY, q.y());
        }
        m_scale = std::min(box.width() / (maxX - minX), box.height() / (maxY - minY));
        m_dx = box.left() + (box.width() - (maxX - minX) * m_scale) / 2 - minX * m_scale;
        m_dy = box.top() + (box.height() - (maxY - minY) * m_scale) / 2 - minY * m_scale;
    }
    QPoint operator()(const LatLon& p) const {
        const QPointF q = raw(p);
        return {int(std::lround(q.x() * m_scale + m_dx)), int(std::lround(q.y() * m_scale + m_dy))};
    }
    std::vector<QPoint> all(const std::vector<LatLon>& ps) const {
        std::vector<QPoint> out;
        for (const LatLon& p : ps) {
            out.push_back((*this)(p));
        }
        return out;
    }

private:
    // Degrees of longitude shrink with the cosine of the latitude (about 0.58 here).
    static QPointF raw(const LatLon& p) { return {(p.lon + 6.5) * 0.58, 59.0 - p.lat}; }
    double m_scale = 1, m_dx = 0, m_dy = 0;
};

enum class Side { Left, Right, Centre };

// Writes a name beside a point (or centred on it), kept inside the map's frame.
void label(const DiagramContext& ctx, const QRect& frame, const QString& text, QPoint at, Side side,
           bool bold, const QColor& color) {
    FontSpec font = ctx.style.small;
    font.bold = bold;
    const int w = ctx.text.width(font, text);
    const int h = int(ctx.text.measure().height(font));
    int x = side == Side::Left ? at.x() - 110 - w : at.x() + 110;
    if (side == Side::Centre) {
        x = at.x() - w / 2;
    }
    x = std::clamp(x, frame.left() + 60, frame.right() - 60 - w);
    ctx.out.setTextColor(color);
    ctx.out.selectFont(font);
    ctx.out.textOut(x, at.y() - h / 2, toCp1252(text));
}

void dot(const DiagramContext& ctx, QPoint c, int r, const QColor& fill, const QColor& edge) {
    ctx.out.selectPen(edge, 15);
    ctx.out.selectBrush(fill);
    ctx.out.ellipse(c.x() - r, c.y() - r, c.x() + r, c.y() + r);
}

void hills(const DiagramContext& ctx, const Projection& proj) {
    ctx.out.selectPen(ctx.style.hills, 10);
    ctx.out.selectBrush(ctx.style.hills);
    for (const QPoint& p : proj.all(kPennines)) {
        ctx.out.polygon({{p.x() - 55, p.y() + 40}, {p.x(), p.y() - 50}, {p.x() + 55, p.y() + 40}});
    }
}

// Great Britain is about 1.9 times as tall as it is wide: a taller frame would only add sea.
int britainHeight(const Block& block, int width, const PageStyle& style) {
    return std::min(block.amount * style.diagramScale / 100, width * 19 / 10);
}

void drawBritain(const DiagramContext& ctx, const QRect& box) {
    const PageStyle& s = ctx.style;
    ctx.out.selectPen(s.coast, 15);
    ctx.out.selectBrush(s.sea);
    ctx.out.roundRect(box.left(), box.top(), box.right(), box.bottom(), 240, 240);
    const Projection proj(box.adjusted(60, 60, -60, -60));

    ctx.out.selectPen(s.coast, 15);
    ctx.out.selectBrush(s.land);
    ctx.out.polygon(proj.all(kCoast));
    ctx.out.selectPen(s.border, 10);
    ctx.out.polyline(proj.all(kScottishBorder));
    ctx.out.polyline(proj.all(kWelshBorder));
    hills(ctx, proj);

    const QColor faint = s.print ? QColor(90, 90, 90) : QColor(210, 230, 255);
    for (const Name& n : kAreas) {
        label(ctx, box, QString::fromLatin1(n.text), proj(n.at), Side::Centre, n.bold, faint);
    }
    label(ctx, box, QStringLiteral("Pennines"), proj({54.25, -2.1}), Side::Right, false,
          s.print ? s.hills : s.hills.lighter(170));

    for (const City& c : kCities) {
        const QPoint p = proj(c.at);
        dot(ctx, p, 45, s.label, s.label);
        label(ctx, box, QString::fromLatin1(c.name), p, c.labelLeft ? Side::Left : Side::Right,
              false, s.label);
    }
    const QPoint m = proj(kManchester);
    dot(ctx, m, 80, s.highlight, s.print ? QColor(0, 0, 0) : QColor(255, 255, 255));
    label(ctx, box, QStringLiteral("Manchester"), m + QPoint(20, 0), Side::Right, true,
          s.print ? s.highlight : s.titleColor);
}

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

// Map files are read once per run of the generator.
const GeoMap& mapFile(const QString& path) {
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

} // namespace

// "@map HEIGHT" draws the locator map of Great Britain; "@map HEIGHT | FILE" the map of
// a map file, as wide as the column allows and at most HEIGHT high.
int mapHeight(const DiagramContext& ctx, const Block& block, int width) {
    if (block.args.isEmpty()) {
        return britainHeight(block, width, ctx.style);
    }
    const GeoMap& map = mapFile(block.args.front());
    return std::min(block.amount * ctx.style.diagramScale / 100,
                    int(std::lround(width / map.aspect())));
}

void drawMap(const DiagramContext& ctx, const Block& block, const QRect& box) {
    if (block.args.isEmpty()) {
        drawBritain(ctx, box);
        return;
    }
    const GeoMap& map = mapFile(block.args.front());
    const double width = std::min<double>(box.width(), box.height() * map.aspect());
    const QRectF frame(box.left() + (box.width() - width) / 2, box.top(), width, box.height());
    WmfCanvas canvas(ctx);
    drawGeoMap(canvas, map, frame, pageLook(ctx.style));
}

} // namespace pw::gen
