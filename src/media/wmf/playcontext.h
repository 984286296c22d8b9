#pragma once

#include "media/wmf/dcstate.h"
#include "media/wmf/metafiledata.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <vector>

namespace wmf {

/// Everything a record handler needs while a metafile plays: the painter, the drawing
/// state with its SaveDC stack, the object table, and the mapping of logical
/// coordinates to painter coordinates.
class PlayContext {
public:
    static constexpr int kMaxSavedStates = 1024;
    static constexpr double kCoordinateLimit = 1e6;

    PlayContext(QPainter& painter, const MetafileData& data, const QRectF& target);

    QPainter& painter() { return m_painter; }
    DcState& state() { return m_state; }
    ObjectTable& objects() { return m_objects; }
    const QRectF& target() const { return m_target; }

    /// Call after changing state().mapping.
    void mappingChanged();
    /// Logical to painter coordinates, kept within +-kCoordinateLimit: nothing sensible
    /// lies further out, and the rasteriser slows down on absurd values.
    QPointF map(QPointF logical) const;
    QPointF map(int x, int y) const { return map(QPointF(x, y)); }
    /// Rectangle from two logical corners, normalised, in painter coordinates.
    QRectF mapRect(QPointF a, QPointF b) const;
    /// The device pixels a rectangle from two logical corners covers, as GDI rounds them.
    QRect pixelRect(QPointF a, QPointF b) const;
    /// A region in device pixels.
    QRegion pixels(const RegionSpec& region) const;
    /// Logical lengths to painter lengths (absolute values).
    double scaleX() const { return m_scale.x(); }
    double scaleY() const { return m_scale.y(); }
    const QTransform& toPainter() const { return m_toPainter; }

    bool save();
    void restore(int which);

    /// Fills with the current brush (unless null) then outlines with the current pen
    /// (unless null), honouring the raster operation, background mode and clip.
    void fillAndStroke(const QPainterPath& path);
    void stroke(const QPainterPath& path);
    void fill(const QPainterPath& path, const BrushSpec& brush);
    /// Sets the painter's clip from the state's clip (always within the target).
    void applyClip();
    /// Sets the composition mode for a binary raster operation; false = draw nothing.
    bool applyRop2();
    /// Sets the painter's composition mode; a raster operation only where the paint
    /// engine has them (source over elsewhere).
    void setCompositionMode(QPainter::CompositionMode mode);
    /// Whether a raster operation or a flood fill has combined the drawing with what lay
    /// beneath.
    bool combinedWithDestination() const { return m_combined; }
    void noteCombined() { m_combined = true; }

private:
    QPen makePen() const;
    QBrush makeBrush(const BrushSpec& brush) const;

    QPainter& m_painter;
    QRectF m_target;
    QTransform m_frameToPainter;
    QTransform m_toPainter;
    QPointF m_scale{1, 1};
    DcState m_state;
    std::vector<DcState> m_saved;
    ObjectTable m_objects;
    bool m_combined = false;
};

} // namespace wmf
