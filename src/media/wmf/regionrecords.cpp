#include "media/wmf/handlers.h"

#include <QPaintEngine>

#include <cmath>
#include <vector>

namespace wmf {

namespace {

template <typename T> const T* objectAt(PlayContext& c, int index) {
    const GdiObject* object = c.objects().at(index);
    return object ? std::get_if<T>(object) : nullptr;
}

const RegionSpec* regionAt(PlayContext& c, const RecordParams& p, qsizetype word) {
    const auto* region = p.has(word + 1) ? objectAt<RegionSpec>(c, p.u16(word)) : nullptr;
    return region && region->valid ? region : nullptr;
}

QPainterPath pathOf(const QRegion& region) {
    QPainterPath path;
    path.addRegion(region);
    return path;
}

// FillRegion: region, brush.
void fillRegion(PlayContext& c, const RecordParams& p) {
    const RegionSpec* region = regionAt(c, p, 0);
    const auto* brush = region && p.has(2) ? objectAt<BrushSpec>(c, p.u16(1)) : nullptr;
    if (brush)
        c.fill(pathOf(c.pixels(*region)), *brush);
}

// PaintRegion: region, with the current brush.
void paintRegion(PlayContext& c, const RecordParams& p) {
    if (const RegionSpec* region = regionAt(c, p, 0))
        c.fill(pathOf(c.pixels(*region)), c.state().brush);
}

// FrameRegion: region, brush, frame height, frame width (logical units). The frame is
// what of the region lies within that distance of its outside.
void frameRegion(PlayContext& c, const RecordParams& p) {
    const RegionSpec* region = regionAt(c, p, 0);
    const auto* brush = region && p.has(4) ? objectAt<BrushSpec>(c, p.u16(1)) : nullptr;
    if (!brush)
        return;
    const QRegion whole = c.pixels(*region);
    const int h = std::max(1, int(std::lround(std::abs(p.s16(2)) * c.scaleY())));
    const int w = std::max(1, int(std::lround(std::abs(p.s16(3)) * c.scaleX())));
    const QRegion inner = whole.translated(w, 0) & whole.translated(-w, 0) &
                          whole.translated(0, h) & whole.translated(0, -h);
    c.fill(pathOf(whole - inner), *brush);
}

// InvertRegion: region; each pixel's colour is inverted.
void invertRegion(PlayContext& c, const RecordParams& p) {
    const RegionSpec* region = regionAt(c, p, 0);
    const QPaintEngine* engine = c.painter().paintEngine();
    if (!region || !engine || !engine->hasFeature(QPaintEngine::RasterOpModes))
        return;
    QPainter& painter = c.painter();
    c.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const QRect& r : c.pixels(*region))
        painter.fillRect(r, Qt::white);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

int distance(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

/// Which pixels a flood fill may enter. Edges are drawn smoothed, so a thin border is a run
/// of pixels part way between its colour and what lies beside it: a pixel counts as border
/// when it is a quarter of the way from the starting pixel's colour towards the border's.
/// A surface pixel is one near the surface colour.
struct FloodRule {
    QRgb colour;
    QRgb seed;
    bool surface;
    bool enters(QRgb pixel) const {
        constexpr int kSurfaceTolerance = 48;
        return surface ? distance(pixel, colour) <= kSurfaceTolerance
                       : 4 * distance(pixel, colour) > 3 * distance(seed, colour);
    }
};

// Scan-line flood fill over the device pixels; the mask's set pixels are the filled ones.
QImage floodMask(const QImage& image, QPoint start, const FloodRule& rule) {
    QImage mask(image.size(), QImage::Format_Alpha8);
    mask.fill(0);
    std::vector<QPoint> pending{start};
    while (!pending.empty()) {
        const QPoint at = pending.back();
        pending.pop_back();
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(at.y()));
        uchar* marks = mask.scanLine(at.y());
        if (marks[at.x()] || !rule.enters(row[at.x()]))
            continue;
        int left = at.x(), right = at.x();
        while (left > 0 && !marks[left - 1] && rule.enters(row[left - 1]))
            --left;
        while (right + 1 < image.width() && !marks[right + 1] && rule.enters(row[right + 1]))
            ++right;
        for (int x = left; x <= right; ++x) {
            marks[x] = 255;
            for (int y : {at.y() - 1, at.y() + 1}) {
                if (y >= 0 && y < image.height())
                    pending.push_back(QPoint(x, y));
            }
        }
    }
    return mask;
}

QBrush floodBrush(const BrushSpec& brush) {
    if (brush.kind == BrushSpec::Pattern && !brush.pattern.isNull())
        return QBrush(brush.pattern);
    return QBrush(brush.color);
}

// A flood fill reads the picture drawn so far, so it works only when drawing into an image.
void floodFillAt(PlayContext& c, QPointF logical, QColor colour, bool surface) {
    QPainter& painter = c.painter();
    const auto* image = dynamic_cast<const QImage*>(painter.device());
    if (!image || image->depth() != 32 || c.state().brush.kind == BrushSpec::Null)
        return;
    c.noteCombined();
    const QPointF device = painter.deviceTransform().map(c.map(logical));
    const QPoint start(int(std::floor(device.x())), int(std::floor(device.y())));
    if (!image->rect().contains(start))
        return;
    const FloodRule rule{colour.rgb(), image->pixel(start), surface};
    QImage fill(image->size(), QImage::Format_ARGB32_Premultiplied);
    fill.fill(Qt::transparent);
    {
        QPainter fillPainter(&fill);
        fillPainter.fillRect(fill.rect(), floodBrush(c.state().brush));
        fillPainter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        fillPainter.drawImage(0, 0, floodMask(*image, start, rule));
    }
    painter.save();
    painter.resetTransform();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(0, 0, fill);
    painter.restore();
}

// FloodFill: colour, y, x; fills up to the border colour. ExtFloodFill: mode, colour, y, x;
// mode 1 fills the surface of that colour. Some writers give FloodFill the mode word too.
void floodFill(PlayContext& c, const RecordParams& p) {
    if (p.has(5))
        floodFillAt(c, pointAt(p, 3), colorAt(p, 1), p.u16(0) == 1);
    else if (p.has(4))
        floodFillAt(c, pointAt(p, 2), colorAt(p, 0), false);
}

} // namespace

void addRegionHandlers(HandlerTable& t) {
    t.insert(fn::FillRegion, fillRegion);
    t.insert(fn::PaintRegion, paintRegion);
    t.insert(fn::FrameRegion, frameRegion);
    t.insert(fn::InvertRegion, invertRegion);
    t.insert(fn::FloodFill, floodFill);
    t.insert(fn::ExtFloodFill, floodFill);
}

} // namespace wmf
