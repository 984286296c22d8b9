#include "media/wmf/playcontext.h"

#include <QPaintEngine>

#include <algorithm>
#include <cmath>

namespace wmf {

namespace {

enum PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Null, InsideFrame };

// GDI's dash patterns for one-pixel pens, in pixels.
QVector<qreal> dashPattern(int style) {
    switch (style) {
    case Dash:
        return {18, 6};
    case Dot:
        return {3, 3};
    case DashDot:
        return {9, 6, 3, 6};
    case DashDotDot:
        return {9, 3, 3, 3, 3, 3};
    default:
        return {};
    }
}

Qt::PenCapStyle capStyle(int style) {
    switch (style & 0x0F00) {
    case 0x0100:
        return Qt::SquareCap;
    case 0x0200:
        return Qt::FlatCap;
    default:
        return Qt::RoundCap;
    }
}

Qt::PenJoinStyle joinStyle(int style) {
    switch (style & 0xF000) {
    case 0x1000:
        return Qt::BevelJoin;
    case 0x2000:
        return Qt::MiterJoin;
    default:
        return Qt::RoundJoin;
    }
}

Qt::BrushStyle hatchStyle(int hatch) {
    static const Qt::BrushStyle styles[] = {Qt::HorPattern,   Qt::VerPattern,
                                            Qt::FDiagPattern, Qt::BDiagPattern,
                                            Qt::CrossPattern, Qt::DiagCrossPattern};
    return hatch >= 0 && hatch < 6 ? styles[hatch] : Qt::SolidPattern;
}

QTransform frameToTarget(const QRectF& frame, const QRectF& target) {
    const double sx = frame.width() > 0 ? target.width() / frame.width() : 1;
    const double sy = frame.height() > 0 ? target.height() / frame.height() : 1;
    return QTransform(sx, 0, 0, sy, target.left() - frame.left() * sx,
                      target.top() - frame.top() * sy);
}

} // namespace

PlayContext::PlayContext(QPainter& painter, const MetafileData& data, const QRectF& target)
    : m_painter(painter), m_target(target), m_frameToPainter(frameToTarget(data.frame, target)),
      m_objects(data.objectCount) {
    // A program that plays a placeable metafile sets MM_ANISOTROPIC first; a bare
    // metafile starts in the device's default MM_TEXT.
    m_state.mapping = Mapping(data.frame, data.unitsPerInch,
                              data.placeable ? Mapping::Anisotropic : Mapping::Text);
    mappingChanged();
    m_painter.setBrushOrigin(target.topLeft());
    applyClip();
}

void PlayContext::mappingChanged() {
    m_toPainter = m_state.mapping.toFrame() * m_frameToPainter;
    m_scale = QPointF(std::hypot(m_toPainter.m11(), m_toPainter.m12()),
                      std::hypot(m_toPainter.m21(), m_toPainter.m22()));
}

QPointF PlayContext::map(QPointF logical) const {
    const QPointF p = m_toPainter.map(logical);
    return QPointF(std::clamp(p.x(), -kCoordinateLimit, kCoordinateLimit),
                   std::clamp(p.y(), -kCoordinateLimit, kCoordinateLimit));
}

QRectF PlayContext::mapRect(QPointF a, QPointF b) const {
    return QRectF(map(a), map(b)).normalized();
}

QRect PlayContext::pixelRect(QPointF a, QPointF b) const {
    const QRectF r = mapRect(a, b);
    return QRect(QPoint(int(std::lround(r.left())), int(std::lround(r.top()))),
                 QPoint(int(std::lround(r.right())) - 1, int(std::lround(r.bottom())) - 1));
}

QRegion PlayContext::pixels(const RegionSpec& region) const {
    QRegion result;
    for (const QRectF& r : region.rects)
        result += pixelRect(r.topLeft(), r.bottomRight());
    return result;
}

bool PlayContext::save() {
    if (m_saved.size() >= size_t(kMaxSavedStates))
        return false;
    m_saved.push_back(m_state);
    return true;
}

// A negative argument counts back from the newest saved state; a positive one names the
// n-th SaveDC from the start. Either way the states above it are dropped.
void PlayContext::restore(int which) {
    const qsizetype count = qsizetype(m_saved.size());
    const qsizetype index = which < 0 ? count + which : which - 1;
    if (which == 0 || index < 0 || index >= count)
        return;
    m_state = m_saved[size_t(index)];
    m_saved.resize(size_t(index));
    mappingChanged();
    applyClip();
}

void PlayContext::applyClip() {
    const QRect whole = m_target.toAlignedRect();
    if (m_state.clip)
        m_painter.setClipRegion(m_state.clip->intersected(whole));
    else
        m_painter.setClipRect(whole);
}

bool PlayContext::applyRop2() {
    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
    switch (m_state.rop2) {
    case 11: // R2_NOP
        return false;
    case 6: // R2_NOT
        mode = QPainter::RasterOp_NotDestination;
        break;
    case 7: // R2_XORPEN
        mode = QPainter::RasterOp_SourceXorDestination;
        break;
    case 9: // R2_MASKPEN
        mode = QPainter::RasterOp_SourceAndDestination;
        break;
    case 15: // R2_MERGEPEN
        mode = QPainter::RasterOp_SourceOrDestination;
        break;
    default:
        break;
    }
    setCompositionMode(mode);
    return true;
}

void PlayContext::setCompositionMode(QPainter::CompositionMode mode) {
    const bool rasterOp = mode >= QPainter::RasterOp_SourceOrDestination;
    const QPaintEngine* engine = m_painter.paintEngine();
    if (rasterOp && !(engine && engine->hasFeature(QPaintEngine::RasterOpModes)))
        mode = QPainter::CompositionMode_SourceOver;
    else if (rasterOp)
        m_combined = true;
    m_painter.setCompositionMode(mode);
}

QPen PlayContext::makePen() const {
    const PenSpec& logical = m_state.pen;
    const int style = logical.style & 0x0F;
    if (style == Null)
        return Qt::NoPen;
    QColor color = logical.color;
    if (m_state.rop2 == 1 || m_state.rop2 == 16)
        color = m_state.rop2 == 1 ? Qt::black : Qt::white;
    const double width = std::clamp(std::abs(logical.width) * m_scale.x(), 1.0, kCoordinateLimit);
    QPen pen(color, width);
    pen.setCapStyle(capStyle(logical.style));
    pen.setJoinStyle(joinStyle(logical.style));
    // GDI draws patterned pens wider than one pixel solid.
    if (width <= 1.5 && style >= Dash && style <= DashDotDot) {
        pen.setDashPattern(dashPattern(style));
        pen.setCapStyle(Qt::FlatCap);
    }
    return pen;
}

QBrush PlayContext::makeBrush(const BrushSpec& brush) const {
    switch (brush.kind) {
    case BrushSpec::Null:
        return Qt::NoBrush;
    case BrushSpec::Hatched:
        return QBrush(brush.color, hatchStyle(brush.hatch));
    case BrushSpec::Pattern:
        return brush.pattern.isNull() ? QBrush(brush.color) : QBrush(brush.pattern);
    default:
        if (m_state.rop2 == 1 || m_state.rop2 == 16)
            return QBrush(m_state.rop2 == 1 ? Qt::black : Qt::white);
        return QBrush(brush.color);
    }
}

namespace {

bool straightEdged(const QPainterPath& path) {
    for (int i = 0; i < path.elementCount(); ++i) {
        if (path.elementAt(i).isCurveTo())
            return false;
    }
    return true;
}

} // namespace

// GDI never antialiases: shapes that share an edge cover complementary pixels. Drawn
// antialiased, each would only partly cover the pixels along a shared edge and the
// background would show through there, so a gradient written as many bands without a
// pen (as office suites write them) would turn to stripes. A straight-edged fill with no
// pen to cover its edge is therefore drawn as GDI draws it, whole pixels by their
// centres, at whatever scale the metafile is played.
void PlayContext::fillAndStroke(const QPainterPath& path) {
    if (!applyRop2())
        return;
    QPainterPath filled = path;
    filled.setFillRule(m_state.windingFill ? Qt::WindingFill : Qt::OddEvenFill);
    m_painter.setBackgroundMode(m_state.bkOpaque ? Qt::OpaqueMode : Qt::TransparentMode);
    m_painter.setBackground(m_state.bkColor);
    const QPen pen = makePen();
    const bool aliased = pen.style() == Qt::NoPen && straightEdged(filled);
    m_painter.setPen(pen);
    m_painter.setBrush(makeBrush(m_state.brush));
    if (aliased)
        m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.drawPath(filled);
    if (aliased)
        m_painter.setRenderHint(QPainter::Antialiasing, true);
}

void PlayContext::stroke(const QPainterPath& path) {
    if (!applyRop2())
        return;
    m_painter.setBackgroundMode(m_state.bkOpaque ? Qt::OpaqueMode : Qt::TransparentMode);
    m_painter.setBackground(m_state.bkColor);
    m_painter.setPen(makePen());
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawPath(path);
}

void PlayContext::fill(const QPainterPath& path, const BrushSpec& brush) {
    if (!applyRop2())
        return;
    m_painter.setBackgroundMode(m_state.bkOpaque ? Qt::OpaqueMode : Qt::TransparentMode);
    m_painter.setBackground(m_state.bkColor);
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(makeBrush(brush));
    m_painter.drawPath(path);
}

} // namespace wmf
