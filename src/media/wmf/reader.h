#pragma once

#include "media/wmf/metafile.h"
#include "media/wmf/metafiledata.h"

#include <optional>
#include <variant>

namespace wmf {

/// Turns bytes into records: the optional placeable header, the META header and the
/// record list, every size checked against the bytes and against the limits below.
class Reader {
public:
    static constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;
    static constexpr int kMaxRecords = 1'000'000;
    static constexpr int kMaxObjects = 16384;

    static std::variant<MetafileData, Error> read(QByteArrayView bytes);

private:
    Reader(QByteArrayView bytes, MetafileData& data) : m_bytes(bytes), m_data(data) {}
    std::optional<Error> readPlaceableHeader();
    std::optional<Error> readMetaHeader();
    std::optional<Error> readRecords();
    quint16 u16(qint64 at) const;
    quint32 u32(qint64 at) const;

    QByteArrayView m_bytes;
    MetafileData& m_data;
    qint64 m_pos = 0;
};

} // namespace wmf
