#include "media/sound/qtsoundplayer.h"

#include "media/sound/soundworker.h"

namespace media {

QtSoundPlayer::QtSoundPlayer() : m_worker(new SoundWorker) {
    m_thread.setObjectName(QStringLiteral("sound"));
    m_worker->moveToThread(&m_thread);
    m_thread.start();
}

QtSoundPlayer::~QtSoundPlayer() {
    // The audio objects belong to the sound thread and are destroyed on it: a finishing
    // thread still delivers the deferred deletions posted to it.
    m_worker->deleteLater();
    m_thread.quit();
    m_thread.wait();
}

void QtSoundPlayer::Play(const QString& path) {
    SoundWorker* worker = m_worker;
    QMetaObject::invokeMethod(
        worker, [worker, path] { worker->play(path); }, Qt::QueuedConnection);
}

void QtSoundPlayer::waitUntilIdle() {
    QMetaObject::invokeMethod(
        m_worker, [] {}, Qt::BlockingQueuedConnection);
}

} // namespace media
