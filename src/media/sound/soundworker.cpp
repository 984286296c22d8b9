#include "media/sound/soundworker.h"

#include "media/textfile/programpath.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QFile>
#include <QMediaDevices>
#include <algorithm>

namespace media {

SoundWorker::SoundWorker() = default;

SoundWorker::~SoundWorker() {
    for (const Playing& p : m_playing) {
        p.sink->disconnect(this);
        p.sink->stop();
    }
}

void SoundWorker::play(const QString& path) {
    if (auto decoded = sound(path)) {
        start(decoded);
    }
}

std::shared_ptr<const DecodedSound> SoundWorker::sound(const QString& path) {
    const QString resolved = programPath(path);
    if (auto it = m_cache.constFind(resolved); it != m_cache.constEnd()) {
        return it.value();
    }
    std::shared_ptr<const DecodedSound> result;
    QFile file(resolved);
    if (file.open(QIODevice::ReadOnly)) {
        if (auto decoded = WavDecoder::decode(file.readAll())) {
            WavDecoder::appendSilence(*decoded, kTailMilliseconds);
            result = std::make_shared<const DecodedSound>(std::move(*decoded));
        }
    }
    // A missing file is not remembered: it may be put in place while the program runs.
    if (result || file.exists()) {
        m_cache.insert(resolved, result);
    }
    return result;
}

void SoundWorker::start(const std::shared_ptr<const DecodedSound>& sound) {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        return;
    }
    std::shared_ptr<const DecodedSound> playable = sound;
    if (!device.isFormatSupported(playable->format)) {
        playable = std::make_shared<const DecodedSound>(WavDecoder::toInt16(*sound));
        if (!device.isFormatSupported(playable->format)) {
            return; // an output that takes neither is left silent
        }
    }
    if (static_cast<int>(m_playing.size()) >= kMaxSinks) {
        finish(m_playing.front().sink); // the oldest sound gives way to the new one
    }
    auto* buffer = new QBuffer(this);
    buffer->setData(playable->pcm); // shares the cached bytes, no copy
    buffer->open(QIODevice::ReadOnly);
    auto* sink = new QAudioSink(device, playable->format, this);
    connect(sink, &QAudioSink::stateChanged, this, [this, sink](QAudio::State state) {
        if (state == QAudio::IdleState || state == QAudio::StoppedState) {
            finish(sink);
        }
    });
    m_playing.push_back({sink, buffer});
    sink->start(buffer);
    if (sink->error() != QAudio::NoError) {
        finish(sink); // the output refused the stream without a state change
    }
}

void SoundWorker::finish(QAudioSink* sink) {
    auto it = std::find_if(m_playing.begin(), m_playing.end(),
                           [sink](const Playing& p) { return p.sink == sink; });
    if (it == m_playing.end()) {
        return;
    }
    const Playing done = *it;
    m_playing.erase(it);
    done.sink->disconnect(this);
    done.sink->stop();
    // Deleted later: this may run inside the sink's own signal.
    done.sink->deleteLater();
    done.buffer->deleteLater();
}

} // namespace media
