#pragma once

#include <QByteArrayView>
#include <QImage>

namespace wmf {

/// Run-length encoded bitmaps (BI_RLE8 and BI_RLE4), rows bottom to top. Runs that
/// leave the image are cut; decoding stops at the end of the data or the image.
class DibRle {
public:
    static QImage decode(QByteArrayView data, int width, int height, int bits,
                         const QVector<QRgb>& palette);
};

} // namespace wmf
