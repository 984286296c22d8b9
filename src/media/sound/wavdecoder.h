#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QByteArrayView>
#include <optional>

namespace media {

// The samples of a wave file, ready for an audio sink.
struct DecodedSound {
    QAudioFormat format;
    QByteArray pcm;
};

// Decodes RIFF WAVE files of uncompressed PCM: 8-bit (unsigned) or 16-bit (signed),
// mono or stereo, at any sample rate. Chunks other than "fmt " and "data" are skipped.
// A data chunk that claims more bytes than the file holds is cut to whole frames of
// what is there (a file copied short still plays). Anything else malformed gives nullopt.
class WavDecoder {
public:
    static std::optional<DecodedSound> decode(QByteArrayView bytes);

    // The same sound as signed 16-bit samples, for outputs that refuse 8-bit ones.
    static DecodedSound toInt16(const DecodedSound& sound);

    // Appends silence of the given length in the sound's own format.
    static void appendSilence(DecodedSound& sound, int milliseconds);
};

} // namespace media
