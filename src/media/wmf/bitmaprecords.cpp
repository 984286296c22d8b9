#include "media/wmf/handlers.h"

#include "media/wmf/dib.h"

#include <QPaintEngine>

namespace wmf {

namespace {

enum Rop : quint32 {
    Blackness = 0x00000042,
    NotSrcErase = 0x001100A6,
    NotSrcCopy = 0x00330008,
    SrcErase = 0x00440328,
    DstInvert = 0x00550009,
    PatInvert = 0x005A0049,
    SrcInvert = 0x00660046,
    SrcAnd = 0x008800C6,
    SrcPaint = 0x00EE0086,
    PatCopy = 0x00F00021,
    Whiteness = 0x00FF0062,
};

void setMode(PlayContext& c, QPainter::CompositionMode mode) {
    const QPaintEngine* engine = c.painter().paintEngine();
    const bool rasterOp = mode >= QPainter::RasterOp_SourceOrDestination;
    if (rasterOp && !(engine && engine->hasFeature(QPaintEngine::RasterOpModes)))
        mode = QPainter::CompositionMode_SourceOver;
    c.painter().setCompositionMode(mode);
}

// Blits that use no source: the brush, black, white or the inverted destination.
void patternBlit(PlayContext& c, const QRectF& dest, quint32 rop) {
    QPainterPath path;
    path.addRect(dest);
    c.painter().setPen(Qt::NoPen);
    switch (rop) {
    case Blackness:
    case Whiteness:
        setMode(c, QPainter::CompositionMode_SourceOver);
        c.painter().fillRect(dest, rop == Blackness ? Qt::black : Qt::white);
        break;
    case DstInvert:
        setMode(c, QPainter::RasterOp_NotDestination);
        c.painter().fillRect(dest, Qt::white);
        break;
    case PatInvert:
        setMode(c, QPainter::RasterOp_SourceXorDestination);
        c.painter().fillRect(dest, c.state().brush.color);
        break;
    default:
        c.fill(path, c.state().brush);
        break;
    }
    setMode(c, QPainter::CompositionMode_SourceOver);
}

QPainter::CompositionMode sourceMode(quint32 rop) {
    switch (rop) {
    case SrcAnd:
        return QPainter::RasterOp_SourceAndDestination;
    case SrcPaint:
        return QPainter::RasterOp_SourceOrDestination;
    case SrcInvert:
        return QPainter::RasterOp_SourceXorDestination;
    case SrcErase:
        return QPainter::RasterOp_SourceAndNotDestination;
    case NotSrcErase:
        return QPainter::RasterOp_NotSourceAndNotDestination;
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

void drawBitmap(PlayContext& c, const Blit& blit, QImage image) {
    const QRectF dest = c.mapRect(blit.destAt, blit.destAt + blit.destSize);
    if (image.isNull()) {
        patternBlit(c, dest, blit.rop);
        return;
    }
    QRectF source = blit.source;
    if (blit.bottomUp)
        source.moveTop(image.height() - source.bottom());
    if (source.isEmpty())
        source = image.rect();
    if (blit.rop == NotSrcCopy)
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
}

} // namespace wmf
