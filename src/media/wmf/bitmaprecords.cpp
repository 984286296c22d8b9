#include "media/wmf/handlers.h"

#include "media/wmf/dib.h"

#include <QPaintEngine>

namespace wmf {

namespace {

// A ternary raster operation by its index (the high word's low byte): the truth table of
// pattern, source and destination, each bit one combination of the three.
enum RopIndex : quint8 {
    Blackness = 0x00,
    NotSrcErase = 0x11, // ~(S | D)
    NotPatCopy = 0x0F,
    NotSrcCopy = 0x33,
    SrcErase = 0x44, // S & ~D
    DstInvert = 0x55,
    PatInvert = 0x5A,
    SrcInvert = 0x66,
    SrcAnd = 0x88,
    PatAndDst = 0xA0,
    Nop = 0xAA,
    MergePaint = 0xBB, // ~S | D
    MergeCopy = 0xC0,  // S & P
    SrcCopy = 0xCC,
    SrcPaint = 0xEE,
    PatCopy = 0xF0,
    PatOrDst = 0xFA,
    Whiteness = 0xFF,
};

quint8 ropIndex(quint32 rop) {
    return quint8(rop >> 16);
}

// The source matters unless the table reads the same with the source bit flipped.
bool usesSource(quint32 rop) {
    const quint8 t = ropIndex(rop);
    return ((t >> 2) & 0x33) != (t & 0x33);
}

void setMode(PlayContext& c, QPainter::CompositionMode mode) {
    c.setCompositionMode(mode);
}

// The brush as one colour for the raster operations that combine it with the destination.
QColor brushColour(PlayContext& c) {
    return c.state().brush.kind == BrushSpec::Null ? QColor(Qt::white) : c.state().brush.color;
}

// Blits that use no source: the brush, black, white or the inverted destination, alone
// or combined with what is there.
void patternBlit(PlayContext& c, const QRectF& dest, quint32 rop) {
    QPainterPath path;
    path.addRect(dest);
    c.painter().setPen(Qt::NoPen);
    const auto fillWith = [&](QPainter::CompositionMode mode, const QColor& colour) {
        setMode(c, mode);
        c.painter().fillRect(dest, colour);
    };
    switch (ropIndex(rop)) {
    case Nop:
        break;
    case Blackness:
    case Whiteness:
        fillWith(QPainter::CompositionMode_SourceOver,
                 ropIndex(rop) == Blackness ? Qt::black : Qt::white);
        break;
    case DstInvert:
        fillWith(QPainter::RasterOp_NotDestination, Qt::white);
        break;
    case PatInvert:
        fillWith(QPainter::RasterOp_SourceXorDestination, brushColour(c));
        break;
    case NotPatCopy:
        fillWith(QPainter::CompositionMode_SourceOver, QColor(brushColour(c).rgb() ^ 0x00FFFFFF));
        break;
    case PatAndDst:
        fillWith(QPainter::RasterOp_SourceAndDestination, brushColour(c));
        break;
    case PatOrDst:
        fillWith(QPainter::RasterOp_SourceOrDestination, brushColour(c));
        break;
    default:
        c.fill(path, c.state().brush);
        break;
    }
    setMode(c, QPainter::CompositionMode_SourceOver);
}

QPainter::CompositionMode sourceMode(quint32 rop) {
    switch (ropIndex(rop)) {
    case SrcAnd:
    case MergeCopy: // the brush is taken as white: what the source holds stays
        return QPainter::RasterOp_SourceAndDestination;
    case SrcPaint:
        return QPainter::RasterOp_SourceOrDestination;
    case SrcInvert:
        return QPainter::RasterOp_SourceXorDestination;
    case SrcErase:
        return QPainter::RasterOp_SourceAndNotDestination;
    case NotSrcErase:
        return QPainter::RasterOp_NotSourceAndNotDestination;
    case MergePaint:
        return QPainter::RasterOp_NotSourceOrDestination;
    default:
        return QPainter::CompositionMode_SourceOver;
    }
}

/// A blit from a bitmap: destination x, y, width, height in logical units; source in
/// bitmap pixels, y from the bottom row when bottomUp (StretchDIBits counts that way).
struct Blit {
    quint32 rop = 0;
    QPointF destAt, destSize;
    QRectF source;
    bool bottomUp = false;
};

// A source rectangle reaching past the bitmap is cut to it: writers give BitBlt's source
// in the destination's logical units, and the recorded bitmap is just the part needed.
void drawBitmap(PlayContext& c, const Blit& blit, QImage image) {
    const QRectF dest = c.mapRect(blit.destAt, blit.destAt + blit.destSize);
    if (image.isNull() || !usesSource(blit.rop)) {
        patternBlit(c, dest, blit.rop);
        return;
    }
    QRectF source = blit.source.normalized();
    if (blit.bottomUp)
        source.moveTop(image.height() - source.bottom());
    source = source.intersected(image.rect());
    if (source.isEmpty())
        source = image.rect();
    if (ropIndex(blit.rop) == NotSrcCopy)
        image.invertPixels();
    setMode(c, sourceMode(blit.rop));
    c.painter().drawImage(dest, image, source);
    setMode(c, QPainter::CompositionMode_SourceOver);
}

// rop, usage, source height, width, y, x, destination height, width, y, x, DIB.
void stretchDib(PlayContext& c, const RecordParams& p) {
    if (!p.has(11))
        return;
    const Blit blit{p.u32(0), pointAt(p, 9), pointAt(p, 7),
                    QRectF(pointAt(p, 5), QSizeF(p.s16(4), p.s16(3))), true};
    drawBitmap(c, blit, Dib::decode(p.bytesFrom(11)));
}

// rop, source height, width, y, x, destination height, width, y, x, DIB; without a
// DIB there is a reserved word before the destination.
void dibStretchBlt(PlayContext& c, const RecordParams& p) {
    const bool withBitmap = p.words() > 11;
    const qsizetype d = withBitmap ? 6 : 7;
    if (!p.has(d + 4))
        return;
    const Blit blit{p.u32(0), pointAt(p, d + 2), pointAt(p, d),
                    QRectF(pointAt(p, 4), QSizeF(p.s16(3), p.s16(2)))};
    drawBitmap(c, blit, withBitmap ? Dib::decode(p.bytesFrom(10)) : QImage());
}

// rop, source y, x, height, width, destination y, x, DIB; without a DIB there is a
// reserved word after the source.
void dibBitBlt(PlayContext& c, const RecordParams& p) {
    const bool withBitmap = p.words() > 9;
    const qsizetype d = withBitmap ? 4 : 5;
    if (!p.has(d + 4))
        return;
    const QPointF size = pointAt(p, d);
    const Blit blit{p.u32(0), pointAt(p, d + 2), size,
                    QRectF(pointAt(p, 2), QSizeF(size.x(), size.y()))};
    drawBitmap(c, blit, withBitmap ? Dib::decode(p.bytesFrom(8)) : QImage());
}

// As DIBBITBLT and DIBSTRETCHBLT, with an old device-dependent bitmap.
void bitBlt(PlayContext& c, const RecordParams& p) {
    if (p.words() <= 9)
        return dibBitBlt(c, p);
    const QPointF size = pointAt(p, 4);
    const Blit blit{p.u32(0), pointAt(p, 6), size,
                    QRectF(pointAt(p, 2), QSizeF(size.x(), size.y()))};
    drawBitmap(c, blit, Dib::decodeBitmap16(p.bytesFrom(8), p.bytesFrom(13)));
}

void stretchBlt(PlayContext& c, const RecordParams& p) {
    if (p.words() <= 11)
        return dibStretchBlt(c, p);
    const Blit blit{p.u32(0), pointAt(p, 8), pointAt(p, 6),
                    QRectF(pointAt(p, 4), QSizeF(p.s16(3), p.s16(2)))};
    drawBitmap(c, blit, Dib::decodeBitmap16(p.bytesFrom(10), p.bytesFrom(15)));
}

// usage, scan count, first scan, source y, x, height, width, destination y, x, DIB: the
// DIB's rows go to the device one for one.
void setDibToDev(PlayContext& c, const RecordParams& p) {
    if (!p.has(9))
        return;
    const QPointF size = pointAt(p, 5);
    const Blit blit{0x00CC0020, pointAt(p, 7), size,
                    QRectF(pointAt(p, 3), QSizeF(size.x(), size.y())), true};
    drawBitmap(c, blit, Dib::decode(p.bytesFrom(9)));
}

// rop, height, width, y, x.
void patBlt(PlayContext& c, const RecordParams& p) {
    if (!p.has(6))
        return;
    const QPointF at = pointAt(p, 4), size = pointAt(p, 2);
    patternBlit(c, c.mapRect(at, at + size), p.u32(0));
}

} // namespace

void addBitmapHandlers(HandlerTable& t) {
    t.insert(fn::StretchDib, stretchDib);
    t.insert(fn::DibStretchBlt, dibStretchBlt);
    t.insert(fn::DibBitBlt, dibBitBlt);
    t.insert(fn::BitBlt, bitBlt);
    t.insert(fn::StretchBlt, stretchBlt);
    t.insert(fn::PatBlt, patBlt);
    t.insert(fn::SetDibToDev, setDibToDev);
}

} // namespace wmf
