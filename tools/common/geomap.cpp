#include "geomap.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <numbers>
#include <stdexcept>

namespace pw::gen {
namespace {

constexpr double kKmPerDegree = 111.32;
// A map may be this much wider or narrower than its bounds are on the ground.
constexpr double kAspectTolerance = 0.03;

// Reading errors carry the field that is wrong.
struct MapError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void fail(const QString& field, const QString& what) {
    throw MapError((field + QStringLiteral(": ") + what).toStdString());
}

double number(const QJsonObject& o, const QString& key, const QString& field) {
    const QJsonValue v = o.value(key);
    if (!v.isDouble()) {
        fail(field + QLatin1Char('.') + key, QStringLiteral("a number is needed"));
    }
    return v.toDouble();
}

QString text(const QJsonObject& o, const QString& key, const QString& field, bool required) {
    const QJsonValue v = o.value(key);
    if (v.isUndefined() && !required) {
        return {};
    }
    if (!v.isString() || v.toString().isEmpty()) {
        fail(field + QLatin1Char('.') + key, QStringLiteral("a text is needed"));
    }
    return v.toString();
}

QString oneOf(const QString& value, const QStringList& allowed, const QString& field) {
    if (!allowed.contains(value)) {
        fail(field, QStringLiteral("\"%1\" is not one of %2").arg(value, allowed.join(", ")));
    }
    return value;
}

LatLon latLon(const QJsonValue& v, const QString& field) {
    const QJsonArray a = v.toArray();
    if (!v.isArray() || a.size() != 2 || !a[0].isDouble() || !a[1].isDouble()) {
        fail(field, QStringLiteral("a point is [latitude, longitude]"));
    }
    const LatLon p{a[0].toDouble(), a[1].toDouble()};
    if (std::abs(p.lat) > 90 || std::abs(p.lon) > 180) {
        fail(field, QStringLiteral("latitude or longitude out of range"));
    }
    return p;
}

std::vector<LatLon> points(const QJsonObject& o, const QString& field, int least) {
    const QJsonArray a = o.value(QStringLiteral("points")).toArray();
    if (a.size() < least) {
        fail(field + QStringLiteral(".points"),
             QStringLiteral("at least %1 points are needed").arg(least));
    }
    std::vector<LatLon> out;
    for (int i = 0; i < a.size(); ++i) {
        out.push_back(latLon(a[i], QStringLiteral("%1.points[%2]").arg(field).arg(i)));
    }
    return out;
}

QColor colour(const QJsonValue& v, const QString& field) {
    const QJsonArray a = v.toArray();
    if (a.size() != 3) {
        fail(field, QStringLiteral("a colour is [red, green, blue]"));
    }
    int c[3];
    for (int i = 0; i < 3; ++i) {
        if (!a[i].isDouble() || a[i].toDouble() < 0 || a[i].toDouble() > 255) {
            fail(field, QStringLiteral("colour parts run from 0 to 255"));
        }
        c[i] = a[i].toInt();
    }
    return QColor(c[0], c[1], c[2]);
}

GeoMap::Layer layer(const QJsonObject& o, const QString& field) {
    GeoMap::Layer l;
    if (o.contains(QStringLiteral("area"))) {
        GeoMap::Area a;
        a.role = oneOf(o.value(QStringLiteral("area")).toString(),
                       {"land", "water", "region", "park", "forest", "hills", "desert", "town"},
                       field + QStringLiteral(".area"));
        if (o.contains(QStringLiteral("fill"))) {
            a.fill = colour(o.value(QStringLiteral("fill")), field + QStringLiteral(".fill"));
        }
        a.points = points(o, field, 3);
        l.area = a;
    } else if (o.contains(QStringLiteral("line"))) {
        l.line = GeoMap::Line{oneOf(o.value(QStringLiteral("line")).toString(),
                                    {"river", "canal", "road", "rail", "border", "coast"},
                                    field + QStringLiteral(".line")),
                              text(o, QStringLiteral("name"), field, false), points(o, field, 2)};
    } else if (o.contains(QStringLiteral("place"))) {
        GeoMap::Place p;
        p.role = oneOf(o.value(QStringLiteral("place")).toString(),
                       {"town", "city", "capital", "highlight"}, field + QStringLiteral(".place"));
        p.name = text(o, QStringLiteral("name"), field, false);
        p.at = latLon(o.value(QStringLiteral("at")), field + QStringLiteral(".at"));
        const QString side = o.value(QStringLiteral("side")).toString(QStringLiteral("right"));
        const QStringList sides = {"left", "right", "above", "below"};
        p.side = GeoMap::Side(sides.indexOf(oneOf(side, sides, field + QStringLiteral(".side"))));
        l.place = p;
    } else if (o.contains(QStringLiteral("label"))) {
        l.label = GeoMap::Label{
            oneOf(o.value(QStringLiteral("label")).toString(),
                  {"sea", "area", "hills", "river", "note"}, field + QStringLiteral(".label")),
            text(o, QStringLiteral("text"), field, true),
            latLon(o.value(QStringLiteral("at")), field + QStringLiteral(".at"))};
    } else {
        fail(field, QStringLiteral("a layer is an area, line, place or label"));
    }
    return l;
}

GeoMap parse(const QByteArray& json, const QString& source) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (doc.isNull()) {
        fail(QStringLiteral("(file)"), error.errorString());
    }
    const QJsonObject root = doc.object();
    GeoMap m;
    m.source = source;
    const QJsonObject b = root.value(QStringLiteral("bounds")).toObject();
    m.west = number(b, QStringLiteral("west"), QStringLiteral("bounds"));
    m.east = number(b, QStringLiteral("east"), QStringLiteral("bounds"));
    m.south = number(b, QStringLiteral("south"), QStringLiteral("bounds"));
    m.north = number(b, QStringLiteral("north"), QStringLiteral("bounds"));
    if (!(m.east > m.west) || !(m.north > m.south) || m.north > 90 || m.south < -90) {
        fail(QStringLiteral("bounds"),
             QStringLiteral("east must lie east of west, north north of south"));
    }
    if (root.contains(QStringLiteral("picture"))) {
        const QJsonObject p = root.value(QStringLiteral("picture")).toObject();
        m.pictureFile = text(p, QStringLiteral("file"), QStringLiteral("picture"), true);
        m.pictureWidth = int(number(p, QStringLiteral("width"), QStringLiteral("picture")));
        m.pictureHeight = int(number(p, QStringLiteral("height"), QStringLiteral("picture")));
        if (m.pictureWidth < 16 || m.pictureHeight < 16 || m.pictureWidth > 4000 ||
            m.pictureHeight > 4000) {
            fail(QStringLiteral("picture"), QStringLiteral("width and height run from 16 to 4000"));
        }
        const double ratio = m.aspect() / (double(m.pictureWidth) / m.pictureHeight);
        if (std::abs(ratio - 1) > kAspectTolerance) {
            fail(QStringLiteral("bounds"),
                 QStringLiteral("the picture is %1 % wider than the ground it shows; adjust the "
                                "bounds or the picture's size")
                     .arg(std::round((1 / ratio - 1) * 100)));
        }
    }
    const QString background =
        root.value(QStringLiteral("background")).toString(QStringLiteral("water"));
    m.waterBackground =
        oneOf(background, {"water", "land"}, QStringLiteral("background")) == "water";
    const QJsonArray layers = root.value(QStringLiteral("layers")).toArray();
    if (layers.isEmpty()) {
        fail(QStringLiteral("layers"), QStringLiteral("a map needs at least one layer"));
    }
    for (int i = 0; i < layers.size(); ++i) {
        m.layers.push_back(layer(layers[i].toObject(), QStringLiteral("layers[%1]").arg(i)));
    }
    m.northArrow = root.value(QStringLiteral("north")).toBool(false);
    if (root.contains(QStringLiteral("scale"))) {
        const QJsonObject s = root.value(QStringLiteral("scale")).toObject();
        m.scaleInMiles = s.contains(QStringLiteral("miles"));
        m.scaleAmount = number(s, m.scaleInMiles ? QStringLiteral("miles") : QStringLiteral("km"),
                               QStringLiteral("scale"));
        if (m.scaleAmount <= 0) {
            fail(QStringLiteral("scale"), QStringLiteral("the scale bar needs a length"));
        }
    }
    return m;
}

} // namespace

double GeoMap::aspect() const {
    const double middle = (north + south) / 2 * std::numbers::pi / 180;
    return (east - west) * std::cos(middle) / (north - south);
}

QPointF GeoMap::project(const LatLon& p, const QRectF& box) const {
    return {box.left() + (p.lon - west) / (east - west) * box.width(),
            box.top() + (north - p.lat) / (north - south) * box.height()};
}

double GeoMap::kmPerUnit(const QRectF& box) const {
    const double middle = (north + south) / 2 * std::numbers::pi / 180;
    return (east - west) * kKmPerDegree * std::cos(middle) / box.width();
}

std::optional<GeoMap> parseGeoMap(const QByteArray& json, const QString& source, QString* error) {
    try {
        return parse(json, source);
    } catch (const MapError& e) {
        if (error) {
            *error = source + QStringLiteral(": ") + QString::fromStdString(e.what());
        }
        return std::nullopt;
    }
}

std::optional<GeoMap> loadGeoMap(const QString& path, QString* error) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error) {
            *error = path + QStringLiteral(": cannot be read");
        }
        return std::nullopt;
    }
    return parseGeoMap(f.readAll(), path, error);
}

MapLook MapLook::picture(const QSizeF& size) {
    const double u = std::min(size.width(), size.height()) / 100;
    MapLook l;
    l.water = QColor(156, 200, 236);
    l.land = QColor(204, 226, 170);
    l.region = QColor(234, 222, 184);
    l.park = QColor(160, 204, 128);
    l.forest = QColor(96, 156, 96);
    l.hills = QColor(208, 186, 146);
    l.desert = QColor(236, 204, 150);
    l.town = QColor(226, 204, 204);
    l.edge = QColor(70, 70, 70);
    l.river = QColor(40, 110, 200);
    l.canal = QColor(20, 90, 170);
    l.road = QColor(200, 60, 40);
    l.rail = QColor(50, 50, 50);
    l.border = QColor(120, 80, 120);
    l.coast = QColor(40, 70, 110);
    l.place = QColor(40, 40, 40);
    l.highlight = QColor(220, 30, 30);
    l.placeText = QColor(20, 20, 20);
    l.highlightText = QColor(170, 0, 0);
    l.seaText = QColor(30, 80, 150);
    l.areaText = QColor(90, 90, 90);
    l.hillsText = QColor(120, 80, 30);
    l.riverText = QColor(30, 90, 180);
    l.noteText = QColor(20, 20, 20);
    l.line = 0.35 * u;
    l.dot = 0.9 * u;
    l.text = 2.6 * u;
    l.margin = 1.2 * u;
    return l;
}

} // namespace pw::gen
