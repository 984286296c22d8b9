#include "metafilecheck.h"

#include <QtEndian>

namespace {

uint16_t word(const QByteArray& b, qsizetype at) {
    return qFromLittleEndian<uint16_t>(b.constData() + at);
}

uint32_t dword(const QByteArray& b, qsizetype at) {
    return qFromLittleEndian<uint32_t>(b.constData() + at);
}

QString checkHeaders(const QByteArray& b, MetafileSummary& out) {
    constexpr qsizetype kPlaceable = 22;
    if (b.size() < kPlaceable + 18 + 6 || b.size() % 2) {
        return QStringLiteral("too short or odd length");
    }
    if (dword(b, 0) != 0x9AC6CDD7u) {
        return QStringLiteral("no placeable key");
    }
    uint16_t sum = 0;
    for (int i = 0; i < 20; i += 2) {
        sum ^= word(b, i);
    }
    if (sum != word(b, 20)) {
        return QStringLiteral("placeable checksum wrong");
    }
    if (int16_t(word(b, 6)) != 0 || int16_t(word(b, 8)) != 0 || word(b, 14) != 1440) {
        return QStringLiteral("bounding box not at the origin or not in twips");
    }
    out.width = int16_t(word(b, 10));
    out.height = int16_t(word(b, 12));
    if (word(b, 22) != 1 || word(b, 24) != 9 || word(b, 26) != 0x0300) {
        return QStringLiteral("metafile header type, size or version wrong");
    }
    if (qsizetype(dword(b, 28)) * 2 + kPlaceable != b.size()) {
        return QStringLiteral("metafile size field disagrees with the file");
    }
    return {};
}

} // namespace

MetafileSummary checkMetafile(const QByteArray& b) {
    MetafileSummary out;
    out.error = checkHeaders(b, out);
    if (!out.error.isEmpty()) {
        return out;
    }
    const uint32_t maxRecord = dword(b, 34);
    uint32_t largest = 0;
    qsizetype at = 22 + 18;
    while (at + 6 <= b.size()) {
        const uint32_t words = dword(b, at);
        const uint16_t function = word(b, at + 4);
        if (words < 3 || at + qsizetype(words) * 2 > b.size()) {
            out.error = QStringLiteral("record at %1 runs past the end").arg(at);
            return out;
        }
        largest = std::max(largest, words);
        if (function == 0) {
            if (words != 3 || at + 6 != b.size()) {
                out.error = QStringLiteral("end record is not the last 6 bytes");
            } else if (largest != maxRecord) {
                out.error = QStringLiteral("largest record field is wrong");
            }
            return out;
        }
        MetafileSummary::Record r{function, {}};
        for (uint32_t i = 3; i < words; ++i) {
            r.params.push_back(int16_t(word(b, at + qsizetype(i) * 2)));
        }
        out.records.push_back(r);
        at += qsizetype(words) * 2;
    }
    out.error = QStringLiteral("no end record");
    return out;
}
