// Time that a call to Play keeps the caller, with whatever audio output the machine has:
// run once as is, and once with a PulseAudio null sink (tests/support/audio-setup.sh).
// Each call is timed on its own, with a pause after it so that the sound thread's work
// (reading, decoding, opening an output) does not pile up behind the measured calls.
#include "media/sound/qtsoundplayer.h"

#include <QAudioDevice>
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMediaDevices>
#include <QTemporaryDir>
#include <QtEndian>
#include <benchmark/benchmark.h>
#include <chrono>
#include <thread>

namespace {

QByteArray le(quint32 v, int bytes) {
    QByteArray b(bytes, 0);
    for (int i = 0; i < bytes; ++i) {
        b[i] = char((v >> (8 * i)) & 0xFF);
    }
    return b;
}

// Half a second of a 440 Hz square wave, 16-bit stereo at 44.1 kHz (about 88 KB).
QByteArray clickWav() {
    QByteArray samples;
    for (int i = 0; i < 22050; ++i) {
        const qint16 v = (i / 50) % 2 ? 3000 : -3000;
        samples += le(quint16(v), 2) + le(quint16(v), 2);
    }
    const QByteArray fmt =
        le(1, 2) + le(2, 2) + le(44100, 4) + le(44100 * 4, 4) + le(4, 2) + le(16, 2);
    const QByteArray chunks =
        "fmt " + le(16, 4) + fmt + "data" + le(quint32(samples.size()), 4) + samples;
    return "RIFF" + le(quint32(4 + chunks.size()), 4) + "WAVE" + chunks;
}

void playLatency(benchmark::State& state, const char* name) {
    media::QtSoundPlayer player;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        player.Play(name);
        const auto stop = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    player.waitUntilIdle();
    state.SetLabel(QMediaDevices::defaultAudioOutput().isNull() ? "no audio output"
                                                                : "audio output");
}

void BM_PlayCachedSound(benchmark::State& state) {
    playLatency(state, "wav\\click.wav");
}
BENCHMARK(BM_PlayCachedSound)->UseManualTime()->Iterations(300)->Unit(benchmark::kMicrosecond);

void BM_PlayMissingFile(benchmark::State& state) {
    playLatency(state, "wav\\missing.wav");
}
BENCHMARK(BM_PlayMissingFile)->UseManualTime()->Iterations(300)->Unit(benchmark::kMicrosecond);

// Two sounds at once, as when a label snaps into place right after a click.
void BM_PlayTwoInARow(benchmark::State& state) {
    media::QtSoundPlayer player;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        player.Play("wav\\click.wav");
        player.Play("wav\\thud3.wav");
        const auto stop = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    player.waitUntilIdle();
}
BENCHMARK(BM_PlayTwoInARow)->UseManualTime()->Iterations(300)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    QDir().mkdir("wav");
    for (const char* name : {"wav/click.wav", "wav/thud3.wav"}) {
        QFile file(name);
        if (!file.open(QIODevice::WriteOnly) || file.write(clickWav()) < 0) {
            return 1;
        }
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
