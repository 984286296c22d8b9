#include "media/wmf/handlers.h"

#include "media/wmf/dib.h"

namespace wmf {

namespace {

constexpr int kMaxRegionRects = 10000;

void createPen(PlayContext& c, const RecordParams& p) {
    // style, width as a point (x, y; only x counts), colour
    PenSpec pen;
    if (p.has(5))
        pen = PenSpec{p.u16(0), double(p.s16(1)), colorAt(p, 3)};
    c.objects().add(pen); // a short record still takes its slot, so later indices hold
}

void createBrush(PlayContext& c, const RecordParams& p) {
    BrushSpec brush;
    if (p.has(4)) {
        static const BrushSpec::Kind kinds[] = {BrushSpec::Solid, BrushSpec::Null,
                                                BrushSpec::Hatched};
        const int style = p.u16(0);
        brush.kind = style <= 2 ? kinds[style] : BrushSpec::Solid;
        brush.color = colorAt(p, 1);
        brush.hatch = p.u16(3);
    }
    c.objects().add(brush);
}

QString faceName(QByteArrayView bytes) {
    const qsizetype end = bytes.indexOf('\0');
    return QString::fromLatin1(bytes.first(end < 0 ? std::min<qsizetype>(bytes.size(), 32) : end));
}

void createFont(PlayContext& c, const RecordParams& p) {
    FontSpec font;
    if (p.has(9)) {
        const QByteArrayView flags = p.bytesFrom(5);
        font.height = p.s16(0);
        font.width = p.s16(1);
        font.escapement = p.s16(2);
        font.weight = p.s16(4);
        font.italic = flags[0] != 0;
        font.underline = flags[1] != 0;
        font.strikeOut = flags[2] != 0;
        font.charset = quint8(flags[3]);
        font.face = faceName(p.bytesFrom(9));
    }
    c.objects().add(font);
}

// LibreOffice-style pattern brush: the bitmap tiles the fill at device resolution.
void dibCreatePatternBrush(PlayContext& c, const RecordParams& p) {
    BrushSpec brush;
    brush.kind = BrushSpec::Pattern;
    if (p.has(2))
        brush.pattern = Dib::decode(p.bytesFrom(2));
    if (brush.pattern.isNull())
        brush.kind = BrushSpec::Solid;
    c.objects().add(brush);
}

// A Bitmap16 header, 18 reserved bytes, then the bits.
void createPatternBrush(PlayContext& c, const RecordParams& p) {
    BrushSpec brush;
    brush.kind = BrushSpec::Pattern;
    if (p.has(16))
        brush.pattern = Dib::decodeBitmap16(p.bytesFrom(0), p.bytesFrom(16));
    if (brush.pattern.isNull())
        brush.kind = BrushSpec::Solid;
    c.objects().add(brush);
}

void createPalette(PlayContext& c, const RecordParams&) {
    c.objects().add(PaletteSpec{});
}

// Region: a header (next in chain, type, object count, size in bytes, scan count, largest
// scan, bounds as left, top, right, bottom), then scans of (count, top, bottom, count / 2
// pairs of left and right, count). Most writers give the object count 32 bits (11 header
// words), some 16 (10 words); the size field, which counts the bytes, tells which.
qsizetype regionHeaderWords(const RecordParams& p) {
    const qsizetype bytes = p.words() * 2;
    return p.u16(4) != bytes && p.u16(3) == bytes ? 10 : 11;
}

void createRegion(PlayContext& c, const RecordParams& p) {
    RegionSpec region;
    region.valid = p.has(10);
    const qsizetype header = region.valid ? regionHeaderWords(p) : 0;
    const int scans = region.valid ? p.s16(header - 6) : 0;
    qsizetype word = header;
    for (int s = 0; s < scans && p.has(word + 3); ++s) {
        const int count = p.u16(word);
        const double top = p.s16(word + 1), bottom = p.s16(word + 2);
        if (!p.has(word + 4 + count) || region.rects.size() + count / 2 > kMaxRegionRects)
            break;
        for (int i = 0; i + 1 < count; i += 2)
            region.rects.append(
                QRectF(QPointF(p.s16(word + 3 + i), top), QPointF(p.s16(word + 4 + i), bottom)));
        word += 4 + count;
    }
    if (region.rects.isEmpty() && region.valid && scans > 0)
        region.rects.append(QRectF(QPointF(p.s16(header - 4), p.s16(header - 3)),
                                   QPointF(p.s16(header - 2), p.s16(header - 1))));
    c.objects().add(region);
}

void selectObject(PlayContext& c, const RecordParams& p) {
    const GdiObject* object = p.has(1) ? c.objects().at(p.u16(0)) : nullptr;
    if (!object)
        return;
    if (const auto* pen = std::get_if<PenSpec>(object))
        c.state().pen = *pen;
    else if (const auto* brush = std::get_if<BrushSpec>(object))
        c.state().brush = *brush;
    else if (const auto* font = std::get_if<FontSpec>(object))
        c.state().font = *font;
}

void deleteObject(PlayContext& c, const RecordParams& p) {
    if (p.has(1))
        c.objects().remove(p.u16(0));
}

} // namespace

void addObjectHandlers(HandlerTable& t) {
    t.insert(fn::CreatePenIndirect, createPen);
    t.insert(fn::CreateBrushIndirect, createBrush);
    t.insert(fn::CreateFontIndirect, createFont);
    t.insert(fn::DibCreatePatternBrush, dibCreatePatternBrush);
    t.insert(fn::CreatePatternBrush, createPatternBrush);
    t.insert(fn::CreatePalette, createPalette);
    t.insert(fn::CreateRegion, createRegion);
    t.insert(fn::SelectObject, selectObject);
    t.insert(fn::DeleteObject, deleteObject);
}

} // namespace wmf
