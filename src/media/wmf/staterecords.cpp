#include "media/wmf/handlers.h"

namespace wmf {

namespace {

void setBkMode(PlayContext& c, const RecordParams& p) {
    if (p.has(1))
        c.state().bkOpaque = p.u16(0) == 2; // OPAQUE
}

void setBkColor(PlayContext& c, const RecordParams& p) {
    if (p.has(2))
        c.state().bkColor = colorAt(p, 0);
}

void setTextColor(PlayContext& c, const RecordParams& p) {
    if (p.has(2))
        c.state().textColor = colorAt(p, 0);
}

void setTextAlign(PlayContext& c, const RecordParams& p) {
    if (p.has(1))
        c.state().textAlign = p.u16(0);
}

void setPolyFillMode(PlayContext& c, const RecordParams& p) {
    if (p.has(1))
        c.state().windingFill = p.u16(0) == 2; // WINDING
}

void setRop2(PlayContext& c, const RecordParams& p) {
    if (p.has(1) && p.u16(0) >= 1 && p.u16(0) <= 16)
        c.state().rop2 = p.u16(0);
}

void setTextCharExtra(PlayContext& c, const RecordParams& p) {
    if (p.has(1))
        c.state().textCharExtra = p.s16(0);
}

void moveTo(PlayContext& c, const RecordParams& p) {
    if (p.has(2))
        c.state().position = pointAt(p, 0);
}

void saveDc(PlayContext& c, const RecordParams&) {
    c.save();
}

void restoreDc(PlayContext& c, const RecordParams& p) {
    if (p.has(1))
        c.restore(p.s16(0));
}

// The mapping records: each changes one part of the mapping, then the context
// recomputes the logical-to-painter transform.
template <void (*change)(Mapping&, const RecordParams&), int words>
void mappingRecord(PlayContext& c, const RecordParams& p) {
    if (!p.has(words))
        return;
    change(c.state().mapping, p);
    c.mappingChanged();
}

void mapMode(Mapping& m, const RecordParams& p) {
    m.setMapMode(p.u16(0));
}
void windowOrg(Mapping& m, const RecordParams& p) {
    m.setWindowOrg(pointAt(p, 0));
}
void windowExt(Mapping& m, const RecordParams& p) {
    m.setWindowExt({1.0 * p.s16(1), 1.0 * p.s16(0)});
}
void viewportOrg(Mapping& m, const RecordParams& p) {
    m.setViewportOrg(pointAt(p, 0));
}
void viewportExt(Mapping& m, const RecordParams& p) {
    m.setViewportExt({1.0 * p.s16(1), 1.0 * p.s16(0)});
}
void offsetWindow(Mapping& m, const RecordParams& p) {
    m.offsetWindowOrg(pointAt(p, 0));
}
void offsetViewport(Mapping& m, const RecordParams& p) {
    m.offsetViewportOrg(pointAt(p, 0));
}
// Scale records hold yDenom, yNum, xDenom, xNum.
void scaleWindow(Mapping& m, const RecordParams& p) {
    m.scaleWindowExt(p.s16(3), p.s16(2), p.s16(1), p.s16(0));
}
void scaleViewport(Mapping& m, const RecordParams& p) {
    m.scaleViewportExt(p.s16(3), p.s16(2), p.s16(1), p.s16(0));
}

} // namespace

void addStateHandlers(HandlerTable& t) {
    t.insert(fn::SetBkMode, setBkMode);
    t.insert(fn::SetBkColor, setBkColor);
    t.insert(fn::SetTextColor, setTextColor);
    t.insert(fn::SetTextAlign, setTextAlign);
    t.insert(fn::SetPolyFillMode, setPolyFillMode);
    t.insert(fn::SetRop2, setRop2);
    t.insert(fn::SetTextCharExtra, setTextCharExtra);
    t.insert(fn::MoveTo, moveTo);
    t.insert(fn::SaveDc, saveDc);
    t.insert(fn::RestoreDc, restoreDc);
    t.insert(fn::SetMapMode, mappingRecord<mapMode, 1>);
    t.insert(fn::SetWindowOrg, mappingRecord<windowOrg, 2>);
    t.insert(fn::SetWindowExt, mappingRecord<windowExt, 2>);
    t.insert(fn::SetViewportOrg, mappingRecord<viewportOrg, 2>);
    t.insert(fn::SetViewportExt, mappingRecord<viewportExt, 2>);
    t.insert(fn::OffsetWindowOrg, mappingRecord<offsetWindow, 2>);
    t.insert(fn::OffsetViewportOrg, mappingRecord<offsetViewport, 2>);
    t.insert(fn::ScaleWindowExt, mappingRecord<scaleWindow, 4>);
    t.insert(fn::ScaleViewportExt, mappingRecord<scaleViewport, 4>);
}

} // namespace wmf
