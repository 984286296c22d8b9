// The sounds in data/wav: PCM files the player can read, short enough for their moment, free
// of clicks at their ends, and the rewards at one common loudness.
#include "wavfile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSet>
#include <gtest/gtest.h>

#include <cmath>

namespace {

struct Sound {
    const char* file;
    double maxSeconds;
    bool reward;
};

void PrintTo(const Sound& s, std::ostream* os) {
    *os << s.file;
}

const Sound kSounds[] = {
    {"click.wav", 0.15, false},  {"typekey.wav", 0.3, false},    {"thud3.wav", 0.5, false},
    {"halleluj.wav", 3.0, true}, {"fanf2.wav", 3.0, true},       {"fanf3.wav", 3.0, true},
    {"fanf4.wav", 3.0, true},    {"slot_payoff.wav", 3.0, true}, {"crowd.wav", 3.0, true},
    {"cheer2.wav", 3.0, true},   {"klaxon.wav", 3.0, true},      {"flute.wav", 3.0, true},
    {"gong.wav", 3.0, true},     {"clap2.wav", 3.0, true},       {"clap3.wav", 3.0, true},
    {"drumroll.wav", 3.0, true}, {"laser2.wav", 3.0, true},      {"whizz.wav", 3.0, true},
    {"clown.wav", 3.0, true},
};

QString pathOf(const Sound& s) {
    return QString(PW_DATA_DIR "/wav/") + s.file;
}

class SoundTest : public ::testing::TestWithParam<Sound> {};

TEST_P(SoundTest, IsSixteenBitPcmAtAStandardRate) {
    const auto wav = WavFile::read(pathOf(GetParam()));
    ASSERT_TRUE(wav.has_value()) << "missing or malformed";
    EXPECT_EQ(wav->format, 1);
    EXPECT_EQ(wav->bits, 16);
    EXPECT_TRUE(wav->channels == 1 || wav->channels == 2);
    EXPECT_TRUE(wav->rate == 22050 || wav->rate == 44100);
}

TEST_P(SoundTest, LastsNoLongerThanItsMoment) {
    const auto wav = WavFile::read(pathOf(GetParam()));
    ASSERT_TRUE(wav.has_value());
    EXPECT_LT(wav->seconds(), GetParam().maxSeconds);
    EXPECT_GT(wav->seconds(), GetParam().reward ? 0.5 : 0.02);
}

TEST_P(SoundTest, StartsAndEndsInSilenceWithoutOffset) {
    const auto wav = WavFile::read(pathOf(GetParam()));
    ASSERT_TRUE(wav.has_value());
    ASSERT_GT(wav->samples.size(), 100u);
    EXPECT_LT(std::abs(wav->samples.front()), 0.002);
    EXPECT_LT(std::abs(wav->samples.back()), 0.002);
    EXPECT_LT(std::abs(wav->mean()), 0.005);
}

TEST_P(SoundTest, PeaksWithinTheCommonBandWithoutClipping) {
    const auto wav = WavFile::read(pathOf(GetParam()));
    ASSERT_TRUE(wav.has_value());
    EXPECT_LE(wav->peak(), 0.9);
    EXPECT_GE(wav->peak(), GetParam().reward ? 0.25 : 0.3);
    if (GetParam().reward) {
        // Rewards follow one another at random: none may be much louder or softer than the rest.
        EXPECT_GT(wav->rms(), 0.1);
        EXPECT_LT(wav->rms(), 0.2);
    }
}

INSTANTIATE_TEST_SUITE_P(Wav, SoundTest, ::testing::ValuesIn(kSounds));

TEST(Sounds, EveryFileIsADifferentSound) {
    QSet<QByteArray> digests;
    for (const auto& s : kSounds) {
        QFile file(pathOf(s));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << s.file;
        digests.insert(QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256));
    }
    EXPECT_EQ(digests.size(), qsizetype(std::size(kSounds)));
}

} // namespace
