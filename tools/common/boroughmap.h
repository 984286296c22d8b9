#pragma once

#include <QColor>
#include <QList>
#include <QPolygonF>
#include <QRectF>
#include <QSize>
#include <QString>

#include <optional>

/// One region of the map (a borough, or a county around them): a closed outline in
/// map-picture pixels.
struct MapRegion {
    QString name;
    QString kind; // "borough" or "county"
    QColor fill;
    QPolygonF outline;
};

/// A text the labelling screen places over the map: an answer box or a static name label.
struct MapOverlay {
    QString text;
    QString kind;   // "answer" or "name"
    QRectF twips;   // screen rectangle (Left, Top, Width, Height) in twips
    QString region; // the region it must lie over
    QColor textColour;
    QRectF start; // an answer's word label starts here (twips); empty for a name
};

/// A map drawn by hand as regions in picture pixels (content/PLACE/pictures/*.json): the
/// regions, the screen rectangle the picture is stretched into on a labelling screen, and the
/// screen's texts that must land on the right regions. Pages draw the same outlines.
class BoroughMap {
public:
    /// Reads the map from its JSON source; on failure returns nothing and sets *error.
    static std::optional<BoroughMap> load(const QString& path, QString* error);

    QSize imageSize() const { return m_imageSize; }
    /// The picture it makes in the program's images folder, and the documentation preview of
    /// its labelling screen (empty: none).
    QString pictureFile() const { return m_pictureFile; }
    QString previewFile() const { return m_previewFile; }
    QRectF screenTwips() const { return m_screen; }
    const QList<MapRegion>& regions() const { return m_regions; }
    const QList<MapOverlay>& overlays() const { return m_overlays; }

    /// Picture pixel (u, v) of a picture drawn at `size` to screen twips, and back.
    QPointF toTwips(QPointF pixel, QSize size) const;
    QPointF toPixel(QPointF twips, QSize size) const;

    /// The region with this name, or null.
    const MapRegion* region(const QString& name) const;
    /// Names of the regions whose outline contains the point (picture pixels at imageSize()).
    QStringList regionsAt(QPointF pixel) const;

private:
    QSize m_imageSize;
    QString m_pictureFile;
    QString m_previewFile;
    QRectF m_screen;
    QList<MapRegion> m_regions;
    QList<MapOverlay> m_overlays;
};
