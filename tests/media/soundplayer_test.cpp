#include "media/sound/qtsoundplayer.h"
#include "media/sound/soundworker.h"
#include "tempfolder.h"
#include "wavbytes.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMediaDevices>
#include <gtest/gtest.h>

namespace {

void writeSounds() {
    TempFolder::write("wav/click.wav", wavbytes::wav(1, 22050, 16, 2205));
    TempFolder::write("wav/garbage.wav", "RIFF\x10\x00\x00\x00WAVEjunk");
}

TEST(QtSoundPlayer, MissingGarbageAndGoodFilesNeitherThrowNorHang) {
    TempFolder folder;
    writeSounds();
    media::QtSoundPlayer player;
    EXPECT_NO_THROW(player.Play("wav\\missing.wav"));
    EXPECT_NO_THROW(player.Play("wav\\garbage.wav"));
    EXPECT_NO_THROW(player.Play("WAV\\Click.wav"));
    EXPECT_NO_THROW(player.Play(""));
    player.waitUntilIdle();
    // Players destroyed with requests still queued join their threads cleanly.
    for (int run = 0; run < 3; ++run) {
        media::QtSoundPlayer another;
        for (int i = 0; i < 10; ++i) {
            EXPECT_NO_THROW(another.Play("wav\\click.wav"));
        }
    }
}

// With an audio output (a null sink is enough) the worker keeps at most four sinks and
// frees each one when its sound has played.
TEST(SoundWorker, LimitsAndFreesItsSinks) {
    if (QMediaDevices::defaultAudioOutput().isNull()) {
        GTEST_SKIP() << "no audio output";
    }
    TempFolder folder;
    TempFolder::write("wav/short.wav", wavbytes::wav(1, 8000, 8, 80)); // 10 ms
    media::SoundWorker worker;
    for (int i = 0; i < 6; ++i) {
        worker.play("wav\\short.wav");
        EXPECT_LE(worker.activeSinks(), media::SoundWorker::kMaxSinks);
    }
    EXPECT_EQ(worker.activeSinks(), media::SoundWorker::kMaxSinks);
    QDeadlineTimer deadline(5000);
    while (worker.activeSinks() > 0 && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    EXPECT_EQ(worker.activeSinks(), 0);
}

TEST(SoundWorker, UnplayableFilesStartNoSink) {
    TempFolder folder;
    writeSounds();
    media::SoundWorker worker;
    worker.play("wav\\garbage.wav");
    worker.play("wav\\missing.wav");
    EXPECT_EQ(worker.activeSinks(), 0);
}

} // namespace
