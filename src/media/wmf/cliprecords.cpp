#include "media/wmf/handlers.h"

#include <cmath>

namespace wmf {

namespace {

QRegion currentClip(PlayContext& c) {
    return c.state().clip.value_or(QRegion(c.target().toAlignedRect()));
}

// Clip rectangles are stored bottom, right, top, left.
QRect clipRect(PlayContext& c, const RecordParams& p) {
    return c.pixelRect(pointAt(p, 2), pointAt(p, 0));
}

void intersectClipRect(PlayContext& c, const RecordParams& p) {
    if (!p.has(4))
        return;
    c.state().clip = currentClip(c).intersected(clipRect(c, p));
    c.applyClip();
}

void excludeClipRect(PlayContext& c, const RecordParams& p) {
    if (!p.has(4))
        return;
    c.state().clip = currentClip(c).subtracted(clipRect(c, p));
    c.applyClip();
}

void offsetClipRgn(PlayContext& c, const RecordParams& p) {
    if (!p.has(2) || !c.state().clip)
        return;
    const QPointF logical = pointAt(p, 0);
    const QPointF shift = c.map(logical) - c.map(QPointF(0, 0));
    c.state().clip->translate(int(std::lround(shift.x())), int(std::lround(shift.y())));
    c.applyClip();
}

// Selecting an empty slot is how Windows records SelectClipRgn(NULL): the clip is reset.
void selectClipRegion(PlayContext& c, const RecordParams& p) {
    if (!p.has(1))
        return;
    const GdiObject* object = c.objects().at(p.u16(0));
    const auto* region = object ? std::get_if<RegionSpec>(object) : nullptr;
    if (!region || !region->valid) {
        c.state().clip.reset();
    } else {
        c.state().clip = c.pixels(*region);
    }
    c.applyClip();
}

} // namespace

void addClipHandlers(HandlerTable& t) {
    t.insert(fn::IntersectClipRect, intersectClipRect);
    t.insert(fn::ExcludeClipRect, excludeClipRect);
    t.insert(fn::OffsetClipRgn, offsetClipRgn);
    t.insert(fn::SelectClipRegion, selectClipRegion);
}

} // namespace wmf
