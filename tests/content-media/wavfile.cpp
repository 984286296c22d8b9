#include "wavfile.h"

#include <QFile>
#include <QtEndian>

#include <cmath>

namespace {

quint32 u32(const QByteArray& b, qsizetype at) {
    return qFromLittleEndian<quint32>(b.constData() + at);
}

quint16 u16(const QByteArray& b, qsizetype at) {
    return qFromLittleEndian<quint16>(b.constData() + at);
}

} // namespace

double WavFile::peak() const {
    double top = 0;
    for (double v : samples)
        top = std::max(top, std::abs(v));
    return top;
}

double WavFile::rms() const {
    double sum = 0;
    for (double v : samples)
        sum += v * v;
    return samples.empty() ? 0 : std::sqrt(sum / samples.size());
}

double WavFile::mean() const {
    double sum = 0;
    for (double v : samples)
        sum += v;
    return samples.empty() ? 0 : sum / samples.size();
}

std::optional<WavFile> WavFile::read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray b = file.readAll();
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE")
        return std::nullopt;
    WavFile wav;
    bool haveFormat = false;
    for (qsizetype at = 12; at + 8 <= b.size();) {
        const QByteArray id = b.mid(at, 4);
        const qsizetype size = u32(b, at + 4);
        const qsizetype body = at + 8;
        if (body + size > b.size())
            return std::nullopt;
        if (id == "fmt " && size >= 16) {
            wav.format = u16(b, body);
            wav.channels = u16(b, body + 2);
            wav.rate = int(u32(b, body + 4));
            wav.bits = u16(b, body + 14);
            haveFormat = true;
        } else if (id == "data" && haveFormat && wav.bits == 16 && wav.channels > 0) {
            const qsizetype frame = 2 * wav.channels;
            for (qsizetype i = 0; i + frame <= size; i += frame)
                wav.samples.push_back(qint16(u16(b, body + i)) / 32768.0);
            return wav;
        }
        at = body + size + (size & 1);
    }
    return std::nullopt;
}
