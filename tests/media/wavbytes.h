#pragma once

#include <QByteArray>
#include <QtEndian>

// Builds wave files for the tests, chunk by chunk.
namespace wavbytes {

inline QByteArray u16(quint16 v) {
    QByteArray b(2, 0);
    qToLittleEndian(v, b.data());
    return b;
}

inline QByteArray u32(quint32 v) {
    QByteArray b(4, 0);
    qToLittleEndian(v, b.data());
    return b;
}

inline QByteArray chunk(const char* id, const QByteArray& body) {
    QByteArray c = QByteArray(id, 4) + u32(quint32(body.size())) + body;
    if (body.size() % 2) {
        c.append('\0');
    }
    return c;
}

inline QByteArray fmt(quint16 channels, quint32 rate, quint16 bits, quint16 tag = 1) {
    const quint16 align = quint16(channels * bits / 8);
    return u16(tag) + u16(channels) + u32(rate) + u32(rate * align) + u16(align) + u16(bits);
}

inline QByteArray riff(const QByteArray& chunks) {
    return "RIFF" + u32(quint32(4 + chunks.size())) + "WAVE" + chunks;
}

// A complete file whose sample bytes count up from 1 (so they can be recognised).
inline QByteArray wav(quint16 channels, quint32 rate, quint16 bits, int frames) {
    QByteArray samples;
    for (int i = 0; i < frames * channels * bits / 8; ++i) {
        samples.append(char(1 + i % 250));
    }
    return riff(chunk("fmt ", fmt(channels, rate, bits)) + chunk("data", samples));
}

} // namespace wavbytes
