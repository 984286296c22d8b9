#pragma once

#include <QString>

namespace media {

// Plays wave files. Play returns at once while the sound goes on; a missing or
// unreadable file, or no audio device, is silent. Never throws.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // path: relative to the working directory, with "\" or "/" ("wav\click.wav").
    virtual void Play(const QString& path) = 0;
};

} // namespace media
