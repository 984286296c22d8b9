#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QTransform>

namespace wmf {

/// The metafile's mapping from logical coordinates to frame units (the units of the
/// placeable header's bounding box, or of the first window for a file without one).
///
/// Playback starts as a program plays a metafile into a frame: window and viewport both
/// equal to the frame, so the file's own SetWindowOrg/SetWindowExt records map their
/// window onto the whole frame. Viewport records move and scale within frame units.
/// MM_TEXT keeps one logical unit per frame unit; the metric modes (MM_LOMETRIC ...
/// MM_TWIPS) use the frame's units per inch, y upwards; MM_ISOTROPIC keeps the aspect.
class Mapping {
public:
    enum MapMode {
        Text = 1,
        LoMetric,
        HiMetric,
        LoEnglish,
        HiEnglish,
        Twips,
        Isotropic,
        Anisotropic
    };

    Mapping() = default;
    Mapping(const QRectF& frame, double unitsPerInch, MapMode mode);

    void setMapMode(int mode);
    void setWindowOrg(QPointF origin) { m_windowOrg = origin; }
    void setWindowExt(QSizeF extent);
    void setViewportOrg(QPointF origin) { m_viewportOrg = origin; }
    void setViewportExt(QSizeF extent);
    void offsetWindowOrg(QPointF by) { m_windowOrg += by; }
    void offsetViewportOrg(QPointF by) { m_viewportOrg += by; }
    /// Multiplies the extent by num/den per axis; a zero denominator leaves it unchanged.
    void scaleWindowExt(int xNum, int xDen, int yNum, int yDen);
    void scaleViewportExt(int xNum, int xDen, int yNum, int yDen);

    MapMode mapMode() const { return m_mode; }
    /// Logical coordinates to frame units.
    QTransform toFrame() const;

private:
    QPointF scale() const;

    MapMode m_mode = Anisotropic;
    double m_unitsPerInch = 96;
    QPointF m_windowOrg;
    QSizeF m_windowExt{1, 1};
    QPointF m_viewportOrg;
    QSizeF m_viewportExt{1, 1};
};

} // namespace wmf
