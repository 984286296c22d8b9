#include "media/wmf/dib.h"

#include "media/wmf/dibrle.h"

#include <QBuffer>
#include <QImageReader>

#include <cstring>
#include <optional>

#include <bit>

namespace wmf {

namespace {

constexpr quint32 kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kJpeg = 4, kPng = 5;

quint32 le(QByteArrayView b, qsizetype at, int size) {
    quint32 v = 0;
    for (int i = size - 1; i >= 0; --i)
        v = (v << 8) | quint8(b[at + i]);
    return v;
}

struct Header {
    qint64 width = 0;
    qint64 height = 0; ///< negative: rows run top to bottom
    int bits = 0;
    quint32 compression = kRgb;
    qint64 colors = 0;
    qsizetype headerBytes = 0;
    int paletteEntryBytes = 4;
    quint32 masks[3] = {0x7C00, 0x03E0, 0x001F};
};

std::optional<Header> readHeader(QByteArrayView b) {
    if (b.size() < 12)
        return std::nullopt;
    Header h;
    h.headerBytes = qsizetype(le(b, 0, 4));
    if (h.headerBytes == 12) {
        h.width = le(b, 4, 2);
        h.height = le(b, 6, 2);
        h.bits = int(le(b, 10, 2));
        h.paletteEntryBytes = 3;
    } else if (h.headerBytes >= 40 && h.headerBytes <= b.size()) {
        h.width = qint32(le(b, 4, 4));
        h.height = qint32(le(b, 8, 4));
        h.bits = int(le(b, 14, 2));
        h.compression = le(b, 16, 4);
        h.colors = le(b, 32, 4);
    } else {
        return std::nullopt;
    }
    if (h.width <= 0 || h.height == 0 || !Dib::sizeAllowed(h.width, std::abs(h.height)))
        return std::nullopt;
    return h;
}

QVector<QRgb> readPalette(QByteArrayView b, const Header& h, qsizetype& pos) {
    if (h.bits > 8 || h.bits == 0) {
        // A palette after a true-colour header only helps palette devices: skip it.
        pos += std::min<qint64>(h.colors, 256) * h.paletteEntryBytes;
        return {};
    }
    const qint64 full = qint64(1) << h.bits;
    const qint64 count = h.colors > 0 && h.colors < full ? h.colors : full;
    QVector<QRgb> palette;
    for (qint64 i = 0; i < count && pos + h.paletteEntryBytes <= b.size(); ++i) {
        palette.append(qRgb(quint8(b[pos + 2]), quint8(b[pos + 1]), quint8(b[pos])));
        pos += h.paletteEntryBytes;
    }
    while (palette.size() < full)
        palette.append(qRgb(0, 0, 0));
    return palette;
}

int shiftOf(quint32 mask) {
    return mask ? std::countr_zero(mask) : 0;
}

// One channel of a bit-field pixel scaled to 0..255.
int channel(quint32 pixel, quint32 mask) {
    if (!mask)
        return 0;
    const quint32 max = mask >> shiftOf(mask);
    return int(((pixel & mask) >> shiftOf(mask)) * 255 / max);
}

QImage readIndexed(QByteArrayView rows, const Header& h, const QVector<QRgb>& palette) {
    QImage image(int(h.width), int(std::abs(h.height)), QImage::Format_Indexed8);
    if (image.isNull())
        return {};
    image.setColorTable(palette);
    const qsizetype stride = (h.width * h.bits + 31) / 32 * 4;
    const int perByte = 8 / h.bits;
    const int mask = (1 << h.bits) - 1;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* src = reinterpret_cast<const uchar*>(rows.data()) + y * stride;
        uchar* dst = image.scanLine(h.height > 0 ? image.height() - 1 - y : y);
        for (int x = 0; x < image.width(); ++x) {
            const int shift = 8 - h.bits * (x % perByte + 1);
            dst[x] = uchar((src[x / perByte] >> shift) & mask);
        }
    }
    return image;
}

QImage readTrueColour(QByteArrayView rows, const Header& h) {
    QImage image(int(h.width), int(std::abs(h.height)), QImage::Format_RGB32);
    if (image.isNull())
        return {};
    const qsizetype stride = (h.width * h.bits + 31) / 32 * 4;
    const int bytesPerPixel = h.bits / 8;
    const bool fields = h.bits != 24;
    for (int y = 0; y < image.height(); ++y) {
        const QByteArrayView src = rows.sliced(y * stride, stride);
        auto* dst =
            reinterpret_cast<QRgb*>(image.scanLine(h.height > 0 ? image.height() - 1 - y : y));
        for (int x = 0; x < image.width(); ++x) {
            const quint32 v = le(src, x * bytesPerPixel, bytesPerPixel);
            dst[x] = fields ? qRgb(channel(v, h.masks[0]), channel(v, h.masks[1]),
                                   channel(v, h.masks[2]))
                            : qRgb(int(v >> 16) & 0xFF, int(v >> 8) & 0xFF, int(v) & 0xFF);
        }
    }
    return image;
}

// A Bitmap16 carries no colours: its indices are the device's. That is the 16 colours of
// VGA; an 8-bit device keeps those at the two ends of its palette, greys between here.
QVector<QRgb> devicePalette(int bits) {
    static const QRgb vga[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                 0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    QVector<QRgb> palette;
    const int count = 1 << bits;
    for (int i = 0; i < count; ++i) {
        const int vgaIndex = i < 8 ? i : i >= count - 8 ? 16 - (count - i) : -1;
        palette.append(vgaIndex >= 0 ? (0xFF000000 | vga[vgaIndex]) : qRgb(i, i, i));
    }
    return palette;
}

QImage readEmbedded(QByteArrayView data, const char* format) {
    QByteArray copy = data.toByteArray();
    QBuffer buffer(&copy);
    QImageReader reader(&buffer, format);
    reader.setAllocationLimit(int(Dib::kMaxPixels * 4 / (1024 * 1024)));
    const QSize size = reader.size();
    if (!size.isValid() || !Dib::sizeAllowed(size.width(), size.height()))
        return {};
    return reader.read();
}

QImage readPixels(QByteArrayView b, Header& h, qsizetype pos, const QVector<QRgb>& palette) {
    const QByteArrayView rest = b.sliced(std::min(pos, b.size()));
    if (h.compression == kJpeg || h.compression == kPng)
        return readEmbedded(rest, h.compression == kJpeg ? "jpeg" : "png");
    if (h.compression == kRle8 || h.compression == kRle4) {
        const int bits = h.compression == kRle8 ? 8 : 4;
        if (h.bits != bits || h.height < 0)
            return {};
        return DibRle::decode(rest, int(h.width), int(h.height), bits, palette);
    }
    const qsizetype stride = (h.width * h.bits + 31) / 32 * 4;
    if (stride * std::abs(h.height) > rest.size())
        return {};
    if (h.bits == 1 || h.bits == 4 || h.bits == 8)
        return readIndexed(rest, h, palette);
    if (h.bits == 32 && h.compression == kRgb) {
        h.masks[0] = 0xFF0000, h.masks[1] = 0xFF00, h.masks[2] = 0xFF;
    }
    if (h.bits == 16 || h.bits == 24 || h.bits == 32)
        return readTrueColour(rest, h);
    return {};
}

} // namespace

bool Dib::sizeAllowed(qint64 width, qint64 height) {
    return width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide &&
           width * height <= kMaxPixels;
}

QImage Dib::decode(QByteArrayView bytes) {
    auto header = readHeader(bytes);
    if (!header)
        return {};
    Header& h = *header;
    qsizetype pos = h.headerBytes;
    if (h.compression == kBitFields) {
        // The three masks follow a 40-byte header, or sit inside a longer one.
        constexpr qsizetype kMasksEnd = 52;
        if (bytes.size() < kMasksEnd)
            return {};
        pos = std::max(pos, kMasksEnd);
        for (int i = 0; i < 3; ++i)
            h.masks[i] = le(bytes, 40 + 4 * i, 4);
    } else if (h.compression > kPng) {
        return {};
    }
    const QVector<QRgb> palette = readPalette(bytes, h, pos);
    return readPixels(bytes, h, pos, palette);
}

QImage Dib::decodeBitmap16(QByteArrayView header, QByteArrayView bits) {
    if (header.size() < 10)
        return {};
    const qint64 width = qint16(le(header, 2, 2)), height = qint16(le(header, 4, 2));
    const qint64 widthBytes = qint16(le(header, 6, 2));
    const int planes = quint8(header[8]), bitsPixel = quint8(header[9]);
    if (planes != 1 || !sizeAllowed(width, height) || widthBytes * 8 < width * bitsPixel ||
        widthBytes * height > bits.size())
        return {};
    Header h;
    h.width = width;
    h.height = -height; // rows run top to bottom
    h.bits = bitsPixel;
    if (bitsPixel == 1) {
        // Rows of a Bitmap16 are padded to 16 bits, not 32: repack them.
        QImage image(int(width), int(height), QImage::Format_Mono);
        if (image.isNull())
            return {};
        image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        for (int y = 0; y < image.height(); ++y)
            memcpy(image.scanLine(y), bits.data() + y * widthBytes, size_t((width + 7) / 8));
        return image;
    }
    if (bitsPixel != 4 && bitsPixel != 8 && bitsPixel != 24 && bitsPixel != 32)
        return {};
    // Rows of a Bitmap16 are padded to 16 bits; a DIB's to 32.
    QByteArray rows;
    const qsizetype stride = (width * bitsPixel + 31) / 32 * 4;
    rows.resize(stride * height);
    for (int y = 0; y < height; ++y)
        memcpy(rows.data() + y * stride, bits.data() + y * widthBytes,
               size_t((width * bitsPixel + 7) / 8));
    if (bitsPixel <= 8)
        return readIndexed(rows, h, devicePalette(bitsPixel));
    if (bitsPixel == 32)
        h.masks[0] = 0xFF0000, h.masks[1] = 0xFF00, h.masks[2] = 0xFF;
    return readTrueColour(rows, h);
}

} // namespace wmf
