#include "media/sound/wavdecoder.h"
#include "wavbytes.h"

#include <gtest/gtest.h>

using media::WavDecoder;
using namespace wavbytes;

namespace {

struct Layout {
    quint16 channels;
    quint32 rate;
    quint16 bits;
    QAudioFormat::SampleFormat sampleFormat;
};

class WavLayouts : public ::testing::TestWithParam<Layout> {};

TEST_P(WavLayouts, DecodesFormatAndSamples) {
    const Layout l = GetParam();
    const QByteArray file = wav(l.channels, l.rate, l.bits, 100);
    const auto sound = WavDecoder::decode(file);
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->format.sampleRate(), int(l.rate));
    EXPECT_EQ(sound->format.channelCount(), l.channels);
    EXPECT_EQ(sound->format.sampleFormat(), l.sampleFormat);
    EXPECT_EQ(sound->pcm, file.right(100 * l.channels * l.bits / 8));
}

TEST_P(WavLayouts, SilenceIsAppendedInTheSoundsOwnFormat) {
    const Layout l = GetParam();
    auto sound = WavDecoder::decode(wav(l.channels, l.rate, l.bits, 10));
    ASSERT_TRUE(sound);
    const qsizetype before = sound->pcm.size();
    WavDecoder::appendSilence(*sound, 150);
    const qsizetype added = sound->pcm.size() - before;
    EXPECT_EQ(added, qsizetype(l.rate) * 150 / 1000 * l.channels * l.bits / 8);
    const char silent = l.bits == 8 ? char(0x80) : char(0);
    EXPECT_EQ(sound->pcm.right(added), QByteArray(added, silent));
}

INSTANTIATE_TEST_SUITE_P(Pcm, WavLayouts,
                         ::testing::Values(Layout{1, 11025, 8, QAudioFormat::UInt8},
                                           Layout{2, 22050, 8, QAudioFormat::UInt8},
                                           Layout{1, 44100, 16, QAudioFormat::Int16},
                                           Layout{2, 48000, 16, QAudioFormat::Int16},
                                           Layout{2, 8000, 16, QAudioFormat::Int16}));

TEST(WavDecoder, EightBitSamplesWidenAroundTheirMidpoint) {
    QAudioFormat format;
    format.setSampleRate(8000);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::UInt8);
    const media::DecodedSound narrow{format, QByteArray("\x80\x00\xFF", 3)};
    const media::DecodedSound wide = WavDecoder::toInt16(narrow);
    EXPECT_EQ(wide.format.sampleFormat(), QAudioFormat::Int16);
    EXPECT_EQ(wide.format.sampleRate(), 8000);
    ASSERT_EQ(wide.pcm.size(), 6);
    const auto* samples = reinterpret_cast<const qint16*>(wide.pcm.constData());
    EXPECT_EQ(samples[0], 0);
    EXPECT_EQ(samples[1], -32768);
    EXPECT_EQ(samples[2], 32512);
}

TEST(WavDecoder, SkipsOtherChunksIncludingOddSizedOnes) {
    const QByteArray samples("\x10\x20\x30", 3);
    const QByteArray file = riff(chunk("LIST", "abc") + chunk("fmt ", fmt(1, 8000, 8)) +
                                 chunk("fact", u32(3)) + chunk("data", samples));
    const auto sound = WavDecoder::decode(file);
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->pcm, samples);
}

TEST(WavDecoder, ExtensibleFormatWithPcmSubtypeIsPlayed) {
    QByteArray ext = fmt(2, 44100, 16, 0xFFFE) + u16(22) + u16(16) + u32(3);
    ext += u16(1) + QByteArray(14, '\x01'); // KSDATAFORMAT_SUBTYPE_PCM
    const auto sound =
        WavDecoder::decode(riff(chunk("fmt ", ext) + chunk("data", QByteArray(8, 1))));
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->format.channelCount(), 2);
}

TEST(WavDecoder, ShortDataChunkIsCutToWholeFrames) {
    // The data chunk claims 400 bytes; a copy that stopped short holds 11.
    QByteArray file = riff(chunk("fmt ", fmt(2, 8000, 16)) + "data" + u32(400));
    file += QByteArray(11, 7);
    const auto sound = WavDecoder::decode(file);
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->pcm.size(), 8);
}

struct Broken {
    const char* what;
    QByteArray bytes;
};

class BrokenWavs : public ::testing::TestWithParam<Broken> {};

TEST_P(BrokenWavs, AreRejected) {
    EXPECT_FALSE(WavDecoder::decode(GetParam().bytes)) << GetParam().what;
}

const QByteArray kFmt = chunk("fmt ", fmt(1, 8000, 8));
const QByteArray kData = chunk("data", QByteArray(16, 1));

INSTANTIATE_TEST_SUITE_P(
    Headers, BrokenWavs,
    ::testing::Values(
        Broken{"empty", {}}, Broken{"riff only", "RIFF"},
        Broken{"not wave", "RIFF" + u32(4) + "AVI "}, Broken{"no chunks", riff({})},
        Broken{"format too short", riff(chunk("fmt ", fmt(1, 8000, 8).left(12)) + kData)},
        Broken{"format cut by the end of file", riff("fmt " + u32(16) + "\x01\x00")},
        Broken{"data before format", riff(kData + kFmt)}, Broken{"no data", riff(kFmt)},
        Broken{"empty data", riff(kFmt + chunk("data", {}))},
        Broken{"less than one frame", riff(chunk("fmt ", fmt(2, 8000, 16)) + chunk("data", "abc"))},
        Broken{"ADPCM", riff(chunk("fmt ", fmt(1, 8000, 4, 2)) + kData)},
        Broken{"float", riff(chunk("fmt ", fmt(1, 8000, 32, 3)) + kData)},
        Broken{"24-bit", riff(chunk("fmt ", fmt(1, 8000, 24)) + kData)},
        Broken{"no channels", riff(chunk("fmt ", fmt(0, 8000, 8)) + kData)},
        Broken{"six channels", riff(chunk("fmt ", fmt(6, 8000, 16)) + kData)},
        Broken{"zero rate", riff(chunk("fmt ", fmt(1, 0, 8)) + kData)},
        Broken{"block align wrong",
               riff(chunk("fmt ", u16(1) + u16(2) + u32(8000) + u32(32000) + u16(1) + u16(16)) +
                    kData)},
        Broken{"huge chunk before format", riff("JUNK" + u32(0xFFFFFFFFu) + kFmt + kData)}));

TEST(WavDecoder, EveryPrefixOfAFileIsHandledWithoutReadingPastIt) {
    const QByteArray file = wav(2, 8000, 16, 8);
    const qsizetype headerBytes = 12 + 8 + 16 + 8;
    for (qsizetype n = 0; n <= file.size(); ++n) {
        // A detached copy, so that a read past the end is caught by the sanitizers.
        const QByteArray prefix(file.constData(), n);
        const auto sound = WavDecoder::decode(prefix);
        EXPECT_EQ(sound.has_value(), n >= headerBytes + 4) << n;
    }
}

} // namespace
