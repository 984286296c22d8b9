#include "media/wmf/mapping.h"

#include <cmath>

namespace wmf {

namespace {

// Logical units per inch of the metric map modes, from MM_LOMETRIC to MM_TWIPS.
constexpr double kMetricUnitsPerInch[] = {254.0, 2540.0, 100.0, 1000.0, 1440.0};

QSizeF scaled(QSizeF extent, int xNum, int xDen, int yNum, int yDen) {
    if (xDen != 0)
        extent.setWidth(extent.width() * xNum / xDen);
    if (yDen != 0)
        extent.setHeight(extent.height() * yNum / yDen);
    return extent;
}

} // namespace

Mapping::Mapping(const QRectF& frame, double unitsPerInch, MapMode mode)
    : m_mode(mode), m_unitsPerInch(unitsPerInch > 0 ? unitsPerInch : 96),
      m_windowOrg(frame.topLeft()), m_windowExt(frame.size()), m_viewportOrg(frame.topLeft()),
      m_viewportExt(frame.size()) {
    if (m_windowExt.isEmpty())
        m_windowExt = m_viewportExt = QSizeF(1, 1);
}

void Mapping::setMapMode(int mode) {
    if (mode >= Text && mode <= Anisotropic)
        m_mode = MapMode(mode);
}

// A zero extent would divide by zero; GDI refuses it too and keeps the old one.
void Mapping::setWindowExt(QSizeF extent) {
    if (extent.width() != 0 && extent.height() != 0)
        m_windowExt = extent;
}

void Mapping::setViewportExt(QSizeF extent) {
    if (extent.width() != 0 && extent.height() != 0)
        m_viewportExt = extent;
}

void Mapping::scaleWindowExt(int xNum, int xDen, int yNum, int yDen) {
    setWindowExt(scaled(m_windowExt, xNum, xDen, yNum, yDen));
}

void Mapping::scaleViewportExt(int xNum, int xDen, int yNum, int yDen) {
    setViewportExt(scaled(m_viewportExt, xNum, xDen, yNum, yDen));
}

QPointF Mapping::scale() const {
    if (m_mode == Text)
        return {1, 1};
    if (m_mode >= LoMetric && m_mode <= Twips) {
        const double s = m_unitsPerInch / kMetricUnitsPerInch[m_mode - LoMetric];
        return {s, -s};
    }
    const double sx = m_viewportExt.width() / m_windowExt.width();
    const double sy = m_viewportExt.height() / m_windowExt.height();
    if (m_mode == Isotropic) {
        const double s = std::min(std::abs(sx), std::abs(sy));
        return {std::copysign(s, sx), std::copysign(s, sy)};
    }
    return {sx, sy};
}

QTransform Mapping::toFrame() const {
    const QPointF s = scale();
    return QTransform(s.x(), 0, 0, s.y(), m_viewportOrg.x() - m_windowOrg.x() * s.x(),
                      m_viewportOrg.y() - m_windowOrg.y() * s.y());
}

} // namespace wmf
