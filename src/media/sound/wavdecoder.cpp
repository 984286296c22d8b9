#include "media/sound/wavdecoder.h"

#include <QtEndian>

namespace media {
namespace {

constexpr quint16 kFormatPcm = 1;
constexpr quint16 kFormatExtensible = 0xFFFE;

quint16 u16At(QByteArrayView b, qsizetype at) {
    return qFromLittleEndian<quint16>(b.data() + at);
}

quint32 u32At(QByteArrayView b, qsizetype at) {
    return qFromLittleEndian<quint32>(b.data() + at);
}

struct FmtChunk {
    quint16 channels = 0;
    quint32 rate = 0;
    quint16 blockAlign = 0;
    quint16 bits = 0;
};

std::optional<FmtChunk> parseFmt(QByteArrayView chunk) {
    if (chunk.size() < 16) {
        return std::nullopt;
    }
    quint16 tag = u16At(chunk, 0);
    // WAVE_FORMAT_EXTENSIBLE names the real format in the first two bytes of its GUID.
    if (tag == kFormatExtensible && chunk.size() >= 26) {
        tag = u16At(chunk, 24);
    }
    const FmtChunk fmt{u16At(chunk, 2), u32At(chunk, 4), u16At(chunk, 12), u16At(chunk, 14)};
    const bool supported = tag == kFormatPcm && (fmt.bits == 8 || fmt.bits == 16) &&
                           (fmt.channels == 1 || fmt.channels == 2) && fmt.rate >= 1000 &&
                           fmt.rate <= 384000 && fmt.blockAlign == fmt.channels * fmt.bits / 8;
    return supported ? std::optional(fmt) : std::nullopt;
}

QAudioFormat audioFormat(const FmtChunk& fmt) {
    QAudioFormat format;
    format.setSampleRate(static_cast<int>(fmt.rate));
    format.setChannelCount(fmt.channels);
    format.setSampleFormat(fmt.bits == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    return format;
}

} // namespace

std::optional<DecodedSound> WavDecoder::decode(QByteArrayView bytes) {
    if (bytes.size() < 12 || bytes.first(4) != "RIFF" || bytes.sliced(8, 4) != "WAVE") {
        return std::nullopt;
    }
    std::optional<FmtChunk> fmt;
    qsizetype pos = 12;
    while (pos + 8 <= bytes.size()) {
        const QByteArrayView id = bytes.sliced(pos, 4);
        const qint64 declared = u32At(bytes, pos + 4);
        const qsizetype available = bytes.size() - (pos + 8);
        const QByteArrayView body = bytes.sliced(pos + 8, qMin<qint64>(declared, available));
        if (id == "fmt ") {
            if (declared > available || !(fmt = parseFmt(body))) {
                return std::nullopt;
            }
        } else if (id == "data") {
            if (!fmt) {
                return std::nullopt; // samples without a format cannot be played
            }
            const qsizetype frames = body.size() / fmt->blockAlign;
            if (frames == 0) {
                return std::nullopt;
            }
            return DecodedSound{audioFormat(*fmt),
                                body.first(frames * fmt->blockAlign).toByteArray()};
        }
        pos += 8 + declared + (declared & 1); // chunks are padded to an even length
    }
    return std::nullopt;
}

DecodedSound WavDecoder::toInt16(const DecodedSound& sound) {
    if (sound.format.sampleFormat() != QAudioFormat::UInt8) {
        return sound;
    }
    DecodedSound wide{sound.format, QByteArray(sound.pcm.size() * 2, Qt::Uninitialized)};
    wide.format.setSampleFormat(QAudioFormat::Int16);
    auto* out = reinterpret_cast<qint16*>(wide.pcm.data());
    for (qsizetype i = 0; i < sound.pcm.size(); ++i) {
        out[i] = qint16((int(quint8(sound.pcm[i])) - 128) << 8);
    }
    return wide;
}

void WavDecoder::appendSilence(DecodedSound& sound, int milliseconds) {
    const QAudioFormat& f = sound.format;
    const qsizetype frames = qsizetype(f.sampleRate()) * milliseconds / 1000;
    // Unsigned 8-bit samples are silent at their midpoint, signed ones at zero.
    const char silent = f.sampleFormat() == QAudioFormat::UInt8 ? char(0x80) : char(0);
    sound.pcm.append(frames * f.bytesPerFrame(), silent);
}

} // namespace media
