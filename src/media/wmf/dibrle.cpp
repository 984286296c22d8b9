#include "media/wmf/dibrle.h"

#include <algorithm>

namespace wmf {

namespace {

class RleWriter {
public:
    RleWriter(QImage& image, int bits) : m_image(image), m_bits(bits) {}

    void put(int index) {
        if (m_x < m_image.width() && m_y >= 0 && m_y < m_image.height())
            m_image.scanLine(m_image.height() - 1 - m_y)[m_x] = uchar(index);
        ++m_x;
    }
    // A byte holds one pixel (RLE8) or two (RLE4, high nibble first).
    void putRun(int count, quint8 value) {
        for (int i = 0; i < count && m_x < m_image.width(); ++i)
            put(m_bits == 8 ? value : (i % 2 == 0 ? value >> 4 : value & 0x0F));
    }
    void newLine() { m_x = 0, ++m_y; }
    void move(int dx, int dy) {
        m_x = std::min(m_x + dx, m_image.width());
        m_y = std::min(m_y + dy, m_image.height());
    }
    bool done() const { return m_y >= m_image.height(); }

private:
    QImage& m_image;
    int m_bits;
    int m_x = 0;
    int m_y = 0;
};

} // namespace

QImage DibRle::decode(QByteArrayView data, int width, int height, int bits,
                      const QVector<QRgb>& palette) {
    QImage image(width, height, QImage::Format_Indexed8);
    if (image.isNull())
        return {};
    image.setColorTable(palette);
    image.fill(0);
    RleWriter out(image, bits);
    qsizetype pos = 0;
    while (pos + 2 <= data.size() && !out.done()) {
        const int count = quint8(data[pos]);
        const quint8 value = quint8(data[pos + 1]);
        pos += 2;
        if (count > 0) {
            out.putRun(count, value);
        } else if (value == 0) {
            out.newLine();
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            if (pos + 2 > data.size())
                break;
            out.move(quint8(data[pos]), quint8(data[pos + 1]));
            pos += 2;
        } else {
            // Absolute run of `value` pixels, padded to a 16-bit boundary.
            const qsizetype bytes = bits == 8 ? value : (value + 1) / 2;
            if (pos + bytes > data.size())
                break;
            for (int i = 0; i < value; ++i) {
                const quint8 b = quint8(data[pos + (bits == 8 ? i : i / 2)]);
                out.putRun(1, bits == 8 ? b : quint8(i % 2 == 0 ? b & 0xF0 : b << 4));
            }
            pos += (bytes + 1) & ~qsizetype(1);
        }
    }
    return image;
}

} // namespace wmf
