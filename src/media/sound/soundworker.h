#pragma once

#include "media/sound/wavdecoder.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <deque>
#include <memory>

class QAudioSink;
class QBuffer;

namespace media {

// Lives on the sound player's own thread and owns every audio object there: decodes and
// caches wave files, and plays each request on a sink of its own so that sounds overlap.
class SoundWorker final : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxSinks = 4;
    // Qt's audio output drops roughly the last tenth of a second of a stream; this much
    // silence after every sound keeps its real end audible.
    static constexpr int kTailMilliseconds = 150;

    SoundWorker();
    ~SoundWorker() override;

    void play(const QString& path);
    // Sinks playing now (for tests and diagnostics).
    int activeSinks() const { return static_cast<int>(m_playing.size()); }

private:
    struct Playing {
        QAudioSink* sink;
        QBuffer* buffer;
    };

    std::shared_ptr<const DecodedSound> sound(const QString& path);
    void start(const std::shared_ptr<const DecodedSound>& sound);
    void finish(QAudioSink* sink);

    QHash<QString, std::shared_ptr<const DecodedSound>> m_cache; // null: unplayable file
    std::deque<Playing> m_playing;                               // oldest first
};

} // namespace media
