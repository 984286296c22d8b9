#include "media/wmf/framefinder.h"

#include "media/wmf/recordparams.h"

namespace wmf {

namespace {

RecordParams paramsOf(const MetafileData& data, const Record& record) {
    return RecordParams(QByteArrayView(data.bytes).sliced(record.paramStart, record.paramBytes));
}

void include(std::optional<QRectF>& bounds, QPointF point) {
    if (!bounds)
        bounds = QRectF(point, QSizeF(0, 0));
    bounds->setLeft(std::min(bounds->left(), point.x()));
    bounds->setTop(std::min(bounds->top(), point.y()));
    bounds->setRight(std::max(bounds->right(), point.x()));
    bounds->setBottom(std::max(bounds->bottom(), point.y()));
}

} // namespace

std::optional<QRectF> FrameFinder::find(const MetafileData& data) {
    FrameFinder finder(data);
    if (auto frame = finder.fromWindow())
        return frame;
    return finder.fromDrawing();
}

std::optional<QRectF> FrameFinder::fromWindow() const {
    std::optional<QPointF> origin;
    std::optional<QSizeF> extent;
    for (const Record& record : m_data.records) {
        const RecordParams p = paramsOf(m_data, record);
        if (!p.has(2))
            continue;
        if (record.function == fn::SetWindowOrg && !origin)
            origin = QPointF(p.s16(1), p.s16(0));
        else if (record.function == fn::SetWindowExt && !extent)
            extent = QSizeF(p.s16(1), p.s16(0));
    }
    if (!extent || extent->width() == 0 || extent->height() == 0)
        return std::nullopt;
    return QRectF(origin.value_or(QPointF()), *extent).normalized();
}

std::optional<QRectF> FrameFinder::fromDrawing() const {
    std::optional<QRectF> bounds;
    for (const Record& record : m_data.records)
        addPoints(record, bounds);
    if (!bounds || bounds->width() <= 0 || bounds->height() <= 0)
        return std::nullopt;
    return bounds;
}

// Only the records that carry their coordinates in a fixed place count: positions of
// text, lines, rectangles and point lists. That is enough to frame a drawing.
void FrameFinder::addPoints(const Record& record, std::optional<QRectF>& bounds) const {
    const RecordParams p = paramsOf(m_data, record);
    switch (record.function) {
    case fn::MoveTo:
    case fn::LineTo:
    case fn::ExtTextOut:
        if (p.has(2))
            include(bounds, QPointF(p.s16(1), p.s16(0)));
        break;
    case fn::TextOut: {
        const qsizetype at = 1 + (qsizetype(p.u16(0)) + 1) / 2; // y, x after the text
        if (p.has(at + 2))
            include(bounds, QPointF(p.s16(at + 1), p.s16(at)));
        break;
    }
    case fn::Rectangle:
    case fn::Ellipse:
        if (p.has(4)) {
            include(bounds, QPointF(p.s16(3), p.s16(2)));
            include(bounds, QPointF(p.s16(1), p.s16(0)));
        }
        break;
    case fn::Polygon:
    case fn::Polyline: {
        const int count = p.u16(0);
        for (int i = 0; p.has(1 + 2 * (i + 1)) && i < count; ++i)
            include(bounds, QPointF(p.s16(1 + 2 * i), p.s16(2 + 2 * i)));
        break;
    }
    default:
        break;
    }
}

} // namespace wmf
