#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <optional>
#include <vector>

namespace pw::gen {

/// A point on the earth, in degrees (north and east positive).
struct LatLon {
    double lat = 0;
    double lon = 0;
};

/// A map drawn from real coordinates (content/PLACE/maps/*.json, see
/// content/casestudies/README.md): areas, lines, places and labels over a plain background,
/// north up, in a plate carree projection of the bounds onto the drawing's box.
struct GeoMap {
    enum class Side { Left, Right, Above, Below };
    struct Area {
        QString role; // land, water, region, park, forest, hills, desert, town
        std::optional<QColor> fill;
        std::vector<LatLon> points;
    };
    struct Line {
        QString role; // river, canal, road, rail, border, coast
        QString name;
        std::vector<LatLon> points;
    };
    struct Place {
        QString role; // town, city, capital, highlight
        QString name; // empty: only the dot
        LatLon at;
        Side side = Side::Right;
    };
    struct Label {
        QString role; // sea, area, hills, river, note
        QString text;
        LatLon at;
    };
    struct Layer {
        std::optional<Area> area;
        std::optional<Line> line;
        std::optional<Place> place;
        std::optional<Label> label;
    };

    QString source; // file name, for messages
    double west = 0, east = 0, south = 0, north = 0;
    QString pictureFile; // data/images/FILE.jpg, or empty
    int pictureWidth = 0, pictureHeight = 0;
    bool waterBackground = true;
    std::vector<Layer> layers; // drawn in order
    bool northArrow = false;
    double scaleAmount = 0; // 0: no scale bar
    bool scaleInMiles = true;

    /// Width / height of the bounds as they are on the ground.
    double aspect() const;
    /// Where a point falls in a box that shows the bounds.
    QPointF project(const LatLon& p, const QRectF& box) const;
    /// Ground distance across the middle of the map, in kilometres per unit of box width.
    double kmPerUnit(const QRectF& box) const;
};

/// Reads and checks a map file; on failure returns nothing and says why in *error.
std::optional<GeoMap> loadGeoMap(const QString& path, QString* error);
std::optional<GeoMap> parseGeoMap(const QByteArray& json, const QString& source, QString* error);

/// Colours and sizes of one kind of drawing (a picture, a screen page, a printed page).
struct MapLook {
    QColor water, land, region, park, forest, hills, desert, town, edge;
    QColor river, canal, road, rail, border, coast;
    QColor place, highlight, placeText, highlightText;
    QColor seaText, areaText, hillsText, riverText, noteText;
    double line = 1;   // width of a coast or river line, in drawing units
    double dot = 4;    // radius of a place's dot
    double text = 12;  // height of a place name
    double margin = 4; // names keep this far inside the box
    bool roundFrame = false;

    static MapLook picture(const QSizeF& size);
};

/// What a map draws with: a painter for pictures, a metafile writer for pages.
class MapCanvas {
public:
    virtual ~MapCanvas() = default;
    virtual void polygon(const std::vector<QPointF>& points, const QColor& fill,
                         std::optional<QColor> edge, double edgeWidth) = 0;
    virtual void polyline(const std::vector<QPointF>& points, const QColor& color,
                          double width) = 0;
    virtual void ellipse(const QPointF& centre, double r, const QColor& fill, const QColor& edge,
                         double edgeWidth) = 0;
    /// Text of the given height with its top-left corner at `at`.
    virtual void text(const QPointF& at, const QString& text, double height, bool bold, bool italic,
                      const QColor& color) = 0;
    virtual double textWidth(const QString& text, double height, bool bold, bool italic) const = 0;
};

/// Draws the map into box (drawing units) on the canvas.
void drawGeoMap(MapCanvas& canvas, const GeoMap& map, const QRectF& box, const MapLook& look);

} // namespace pw::gen
