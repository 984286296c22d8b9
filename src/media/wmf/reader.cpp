#include "media/wmf/reader.h"

#include "media/wmf/framefinder.h"

namespace wmf {

namespace {

constexpr quint32 kPlaceableKey = 0x9AC6CDD7;
constexpr qint64 kPlaceableBytes = 22;
constexpr qint64 kMetaHeaderBytes = 18;

Error error(const QString& message, qint64 offset) {
    return Error{message, offset};
}

} // namespace

quint16 Reader::u16(qint64 at) const {
    const auto* p = reinterpret_cast<const uchar*>(m_bytes.data()) + at;
    return quint16(p[0] | (p[1] << 8));
}

quint32 Reader::u32(qint64 at) const {
    return u16(at) | (quint32(u16(at + 2)) << 16);
}

std::variant<MetafileData, Error> Reader::read(QByteArrayView bytes) {
    if (bytes.size() > kMaxFileBytes)
        return error(QStringLiteral("metafile larger than %1 bytes").arg(kMaxFileBytes), -1);
    MetafileData data;
    Reader reader(bytes, data);
    if (auto e = reader.readPlaceableHeader())
        return *e;
    if (auto e = reader.readMetaHeader())
        return *e;
    if (auto e = reader.readRecords())
        return *e;
    data.bytes = bytes.toByteArray();
    if (!data.placeable) {
        auto frame = FrameFinder::find(data);
        if (!frame)
            return error(QStringLiteral("no window extent and nothing drawn to size it by"), -1);
        data.frame = *frame;
        data.unitsPerInch = 96;
    }
    return data;
}

std::optional<Error> Reader::readPlaceableHeader() {
    if (m_bytes.size() < 4 || u32(0) != kPlaceableKey)
        return std::nullopt;
    if (m_bytes.size() < kPlaceableBytes)
        return error(QStringLiteral("placeable header cut short"), 0);
    const qint16 left = qint16(u16(6)), top = qint16(u16(8));
    const qint16 right = qint16(u16(10)), bottom = qint16(u16(12));
    const quint16 inch = u16(14);
    if (inch == 0)
        return error(QStringLiteral("placeable header gives 0 units per inch"), 14);
    const QRectF box = QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
    if (box.width() > 0 && box.height() > 0) {
        m_data.placeable = true;
        m_data.frame = box;
        m_data.unitsPerInch = inch;
    }
    m_pos = kPlaceableBytes;
    return std::nullopt;
}

std::optional<Error> Reader::readMetaHeader() {
    if (m_bytes.size() - m_pos < kMetaHeaderBytes)
        return error(QStringLiteral("META header cut short"), m_pos);
    const quint16 type = u16(m_pos);
    const quint16 headerWords = u16(m_pos + 2);
    // Type 2 ("disk metafile") is played like type 1: the records are the same.
    if (type != 1 && type != 2)
        return error(QStringLiteral("META header type %1 is not 1 or 2").arg(type), m_pos);
    if (headerWords != 9)
        return error(QStringLiteral("META header size %1 words is not 9").arg(headerWords),
                     m_pos + 2);
    const quint16 objects = u16(m_pos + 10);
    if (objects > kMaxObjects)
        return error(QStringLiteral("object table of %1 entries is over the limit of %2")
                         .arg(objects)
                         .arg(kMaxObjects),
                     m_pos + 10);
    m_data.objectCount = objects;
    // The header's file size is not used: writers disagree on whether it counts the
    // placeable header, and some files carry bytes after META_EOF.
    m_pos += kMetaHeaderBytes;
    return std::nullopt;
}

std::optional<Error> Reader::readRecords() {
    while (true) {
        if (m_bytes.size() - m_pos < 6)
            return error(QStringLiteral("records end without META_EOF"), m_pos);
        const quint32 words = u32(m_pos);
        const quint16 function = u16(m_pos + 4);
        if (words < 3)
            return error(QStringLiteral("record 0x%1 of %2 words is shorter than its header")
                             .arg(function, 4, 16, QLatin1Char('0'))
                             .arg(words),
                         m_pos);
        if (qint64(words) * 2 > m_bytes.size() - m_pos)
            return error(QStringLiteral("record 0x%1 of %2 words runs past the end of the file")
                             .arg(function, 4, 16, QLatin1Char('0'))
                             .arg(words),
                         m_pos);
        if (m_data.records.size() >= size_t(kMaxRecords))
            return error(QStringLiteral("more than %1 records").arg(kMaxRecords), m_pos);
        m_data.records.push_back(Record{function, m_pos, m_pos + 6, qint64(words) * 2 - 6});
        m_pos += qint64(words) * 2;
        if (function == fn::Eof)
            return std::nullopt;
    }
}

} // namespace wmf
