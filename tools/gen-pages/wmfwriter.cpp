#include "wmfwriter.h"

#include "cp1252.h"

#include <QtEndian>

#include <algorithm>
#include <stdexcept>

namespace pw::gen {
namespace {

constexpr uint16_t kSetBkMode = 0x0102;
constexpr uint16_t kSetMapMode = 0x0103;
constexpr uint16_t kSetTextAlign = 0x012E;
constexpr uint16_t kSelectObject = 0x012D;
constexpr uint16_t kDeleteObject = 0x01F0;
constexpr uint16_t kSetTextColor = 0x0209;
constexpr uint16_t kSetWindowOrg = 0x020B;
constexpr uint16_t kSetWindowExt = 0x020C;
constexpr uint16_t kLineTo = 0x0213;
constexpr uint16_t kMoveTo = 0x0214;
constexpr uint16_t kCreatePenIndirect = 0x02FA;
constexpr uint16_t kCreateFontIndirect = 0x02FB;
constexpr uint16_t kCreateBrushIndirect = 0x02FC;
constexpr uint16_t kPolygon = 0x0324;
constexpr uint16_t kPolyline = 0x0325;
constexpr uint16_t kEllipse = 0x0418;
constexpr uint16_t kRectangle = 0x041B;
constexpr uint16_t kTextOut = 0x0521;
constexpr uint16_t kRoundRect = 0x061C;

constexpr uint16_t kMapModeAnisotropic = 8;
constexpr uint16_t kTransparent = 1;
constexpr uint16_t kAlignLeftTop = 0;

void put16(QByteArray& out, int value) {
    const auto v = static_cast<uint16_t>(value);
    out.append(char(v & 0xFF));
    out.append(char(v >> 8));
}

void put32(QByteArray& out, uint32_t value) {
    put16(out, int(value & 0xFFFF));
    put16(out, int(value >> 16));
}

void putColor(QByteArray& out, const QColor& c) {
    out.append(char(c.red()));
    out.append(char(c.green()));
    out.append(char(c.blue()));
    out.append(char(0));
}

int16_t coord(int v) {
    if (v < -32768 || v > 32767) {
        throw std::runtime_error("metafile coordinate out of range");
    }
    return int16_t(v);
}

QByteArray logFont(const FontSpec& f) {
    QByteArray b;
    put16(b, -f.height); // negative: the em height, not the cell height
    put16(b, 0);         // width: from the aspect ratio
    put16(b, 0);         // escapement
    put16(b, 0);         // orientation
    put16(b, f.bold ? 700 : 400);
    b.append(char(f.italic ? 1 : 0));
    b.append(char(0)); // underline
    b.append(char(0)); // strike-out
    b.append(char(0)); // ANSI character set
    b.append(char(0)); // out precision
    b.append(char(0)); // clip precision
    b.append(char(0)); // quality
    b.append(char(0)); // pitch and family
    QByteArray face = toCp1252(f.face);
    face.resize(32, '\0');
    face[31] = '\0';
    b.append(face);
    return b;
}

} // namespace

WmfWriter::WmfWriter(int width, int height) : m_width(width), m_height(height) {
    record(kSetMapMode, {int16_t(kMapModeAnisotropic)});
    record(kSetWindowOrg, {0, 0});
    record(kSetWindowExt, {coord(height), coord(width)});
    record(kSetBkMode, {int16_t(kTransparent)});
    record(kSetTextAlign, {int16_t(kAlignLeftTop)});
}

void WmfWriter::record(uint16_t function, const std::vector<int16_t>& params,
                       const QByteArray& tail) {
    const uint32_t words = 3 + uint32_t(params.size()) + uint32_t(tail.size() + 1) / 2;
    put32(m_records, words);
    put16(m_records, function);
    for (int16_t p : params) {
        put16(m_records, p);
    }
    m_records.append(tail);
    if (tail.size() % 2) {
        m_records.append(char(0));
    }
    m_maxRecordWords = std::max(m_maxRecordWords, words);
}

int WmfWriter::freeObjectIndex() const {
    const auto it = std::find(m_objectUsed.begin(), m_objectUsed.end(), false);
    return int(it - m_objectUsed.begin());
}

// GDI puts a new object in the lowest free table slot; the old object of the same kind
// is deleted only after the new one is selected, as a device context never holds none.
void WmfWriter::replaceObject(Slot slot, uint16_t function, const QByteArray& body) {
    const int index = freeObjectIndex();
    record(function, {}, body);
    if (index == int(m_objectUsed.size())) {
        m_objectUsed.push_back(true);
    } else {
        m_objectUsed[size_t(index)] = true;
    }
    record(kSelectObject, {int16_t(index)});
    if (m_current[slot] >= 0) {
        record(kDeleteObject, {int16_t(m_current[slot])});
        m_objectUsed[size_t(m_current[slot])] = false;
    }
    m_current[slot] = index;
}

void WmfWriter::setTextColor(const QColor& color) {
    if (m_textColor == color) {
        return;
    }
    QByteArray b;
    putColor(b, color);
    record(kSetTextColor, {}, b);
    m_textColor = color;
}

void WmfWriter::selectFont(const FontSpec& font) {
    if (m_font == font) {
        return;
    }
    replaceObject(FontSlot, kCreateFontIndirect, logFont(font));
    m_font = font;
}

void WmfWriter::selectPen(std::optional<QColor> color, int width) {
    QByteArray b;
    put16(b, color ? 0 : 5); // PS_SOLID or PS_NULL
    put16(b, color ? width : 0);
    put16(b, 0);
    putColor(b, color.value_or(QColor(0, 0, 0)));
    if (m_pen == b) {
        return;
    }
    replaceObject(PenSlot, kCreatePenIndirect, b);
    m_pen = b;
}

void WmfWriter::selectBrush(std::optional<QColor> color) {
    QByteArray b;
    put16(b, color ? 0 : 1); // BS_SOLID or BS_NULL
    putColor(b, color.value_or(QColor(0, 0, 0)));
    put16(b, 0);
    if (m_brush == b) {
        return;
    }
    replaceObject(BrushSlot, kCreateBrushIndirect, b);
    m_brush = b;
}

void WmfWriter::textOut(int x, int y, const QByteArray& text) {
    if (text.isEmpty()) {
        return;
    }
    QByteArray tail;
    put16(tail, int(text.size()));
    tail.append(text);
    if (text.size() % 2) {
        tail.append(char(0));
    }
    put16(tail, coord(y));
    put16(tail, coord(x));
    record(kTextOut, {}, tail);
}

void WmfWriter::rectangle(int left, int top, int right, int bottom) {
    record(kRectangle, {coord(bottom), coord(right), coord(top), coord(left)});
}

void WmfWriter::roundRect(int left, int top, int right, int bottom, int cornerW, int cornerH) {
    record(kRoundRect,
           {coord(cornerH), coord(cornerW), coord(bottom), coord(right), coord(top), coord(left)});
}

void WmfWriter::ellipse(int left, int top, int right, int bottom) {
    record(kEllipse, {coord(bottom), coord(right), coord(top), coord(left)});
}

void WmfWriter::polygon(const std::vector<QPoint>& points) {
    std::vector<int16_t> p{int16_t(points.size())};
    for (QPoint pt : points) {
        p.push_back(coord(pt.x()));
        p.push_back(coord(pt.y()));
    }
    record(kPolygon, p);
}

void WmfWriter::polyline(const std::vector<QPoint>& points) {
    std::vector<int16_t> p{int16_t(points.size())};
    for (QPoint pt : points) {
        p.push_back(coord(pt.x()));
        p.push_back(coord(pt.y()));
    }
    record(kPolyline, p);
}

void WmfWriter::line(QPoint from, QPoint to) {
    record(kMoveTo, {coord(from.y()), coord(from.x())});
    record(kLineTo, {coord(to.y()), coord(to.x())});
}

QByteArray WmfWriter::finish() {
    for (int slot = 0; slot < SlotCount; ++slot) {
        if (m_current[slot] >= 0) {
            record(kDeleteObject, {int16_t(m_current[slot])});
        }
    }
    record(0x0000, {});

    QByteArray out;
    put32(out, 0x9AC6CDD7u); // placeable key
    put16(out, 0);           // handle
    put16(out, 0);           // bounding box: left, top, right, bottom
    put16(out, 0);
    put16(out, coord(m_width));
    put16(out, coord(m_height));
    put16(out, 1440); // units per inch: logical units are twips
    put32(out, 0);
    uint16_t checksum = 0;
    for (int i = 0; i < 20; i += 2) {
        checksum ^= qFromLittleEndian<uint16_t>(out.constData() + i);
    }
    put16(out, checksum);

    put16(out, 1);      // memory metafile
    put16(out, 9);      // header size in words
    put16(out, 0x0300); // version
    put32(out, uint32_t(9 + m_records.size() / 2));
    put16(out, int(m_objectUsed.size()));
    put32(out, m_maxRecordWords);
    put16(out, 0);
    out.append(m_records);
    return out;
}

} // namespace pw::gen
