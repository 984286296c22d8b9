#pragma once

#include <QString>

#include <optional>
#include <vector>

/// A PCM WAV file as the tests see it: format fields and the samples of the first channel,
/// scaled to [-1, 1].
struct WavFile {
    int format = 0;
    int channels = 0;
    int rate = 0;
    int bits = 0;
    std::vector<double> samples;

    double seconds() const { return rate ? double(samples.size()) / rate : 0; }
    double peak() const;
    double rms() const;
    double mean() const;

    /// Reads a RIFF WAVE file, walking its chunks; nothing on a malformed file.
    static std::optional<WavFile> read(const QString& path);
};
