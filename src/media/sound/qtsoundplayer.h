#pragma once

#include "media/sound/soundplayer.h"

#include <QThread>

namespace media {

class SoundWorker;

// Plays wave files through Qt Multimedia on the default audio output. Play only posts the
// request to a thread of the player's own, which reads, decodes (once per file) and plays
// it, so the caller never waits for the disk or the audio system. Up to four sounds
// overlap; a fifth cuts off the oldest.
class QtSoundPlayer final : public SoundPlayer {
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    QtSoundPlayer(const QtSoundPlayer&) = delete;
    QtSoundPlayer& operator=(const QtSoundPlayer&) = delete;

    void Play(const QString& path) override;

    // Blocks until every request posted so far has been handled (tests and benchmarks).
    void waitUntilIdle();

private:
    QThread m_thread;
    SoundWorker* m_worker; // lives on m_thread and is deleted there
};

} // namespace media
