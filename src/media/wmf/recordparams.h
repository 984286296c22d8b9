#pragma once

#include <QByteArrayView>
#include <QtGlobal>

namespace wmf {

/// The parameters of one record: little-endian 16-bit words read with bounds checks.
/// Reading past the end gives 0; handlers call has() first so that a short record is
/// skipped rather than drawn from made-up values.
class RecordParams {
public:
    RecordParams() = default;
    explicit RecordParams(QByteArrayView bytes) : m_bytes(bytes) {}

    qsizetype words() const { return m_bytes.size() / 2; }
    qsizetype byteCount() const { return m_bytes.size(); }
    bool has(qsizetype wordCount) const { return wordCount >= 0 && wordCount <= words(); }

    quint16 u16(qsizetype word) const {
        if (word < 0 || word >= words())
            return 0;
        const auto* p = reinterpret_cast<const uchar*>(m_bytes.data()) + word * 2;
        return quint16(p[0] | (p[1] << 8));
    }
    qint16 s16(qsizetype word) const { return qint16(u16(word)); }
    quint32 u32(qsizetype word) const { return u16(word) | (quint32(u16(word + 1)) << 16); }

    /// Bytes from a word index to the end (empty when the index is past the end).
    QByteArrayView bytesFrom(qsizetype word) const {
        if (word < 0 || word * 2 >= m_bytes.size())
            return {};
        return m_bytes.sliced(word * 2);
    }

private:
    QByteArrayView m_bytes;
};

} // namespace wmf
