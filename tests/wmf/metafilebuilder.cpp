#include "wmf/metafilebuilder.h"

namespace {

void put16(QByteArray& out, int value) {
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

void put32(QByteArray& out, quint32 value) {
    put16(out, int(value & 0xFFFF));
    put16(out, int(value >> 16));
}

} // namespace

MetafileBuilder& MetafileBuilder::placeable(QRect box, int unitsPerInch) {
    m_placeable = true;
    m_box = box;
    m_unitsPerInch = unitsPerInch;
    return *this;
}

MetafileBuilder& MetafileBuilder::objects(int count) {
    m_objects = count;
    return *this;
}

MetafileBuilder& MetafileBuilder::record(quint16 function, std::initializer_list<int> params) {
    return record(function, QVector<int>(params));
}

MetafileBuilder& MetafileBuilder::record(quint16 function, const QVector<int>& params) {
    put32(m_records, quint32(3 + params.size()));
    put16(m_records, function);
    for (int p : params)
        put16(m_records, p);
    return *this;
}

MetafileBuilder& MetafileBuilder::solidBrush(quint32 rgb) {
    const quint32 ref = ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
    return record(0x02FC, {0, int(ref & 0xFFFF), int(ref >> 16), 0});
}

QByteArray MetafileBuilder::bytes(bool eof) const {
    QByteArray out;
    if (m_placeable) {
        put32(out, 0x9AC6CDD7);
        put16(out, 0);
        put16(out, m_box.left());
        put16(out, m_box.top());
        put16(out, m_box.left() + m_box.width());
        put16(out, m_box.top() + m_box.height());
        put16(out, m_unitsPerInch);
        put32(out, 0);
        put16(out, 0); // checksum: not checked
    }
    QByteArray records = m_records;
    if (eof)
        put32(records, 3), put16(records, 0);
    put16(out, 1);
    put16(out, 9);
    put16(out, 0x0300);
    put32(out, quint32((18 + records.size()) / 2));
    put16(out, m_objects);
    put32(out, 0);
    put16(out, 0);
    return out + records;
}
