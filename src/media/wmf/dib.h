#pragma once

#include <QByteArrayView>
#include <QImage>

namespace wmf {

/// Decodes the bitmaps metafiles carry: device-independent bitmaps (BITMAPINFOHEADER or
/// BITMAPCOREHEADER; 1, 4, 8, 16, 24, 32 bits; uncompressed, RLE4, RLE8, bit fields,
/// JPEG and PNG) and the old device-dependent Bitmap16. Anything inconsistent or over
/// the limits gives a null image.
class Dib {
public:
    static constexpr int kMaxSide = 16384;
    static constexpr qint64 kMaxPixels = 16 * 1024 * 1024;

    static QImage decode(QByteArrayView bytes);
    /// header: the Bitmap16 fields (type, width, height, width bytes, planes, bits per
    /// pixel); bits: its rows, top row first.
    static QImage decodeBitmap16(QByteArrayView header, QByteArrayView bits);
    /// True when a width and height are within the limits.
    static bool sizeAllowed(qint64 width, qint64 height);
};

} // namespace wmf
