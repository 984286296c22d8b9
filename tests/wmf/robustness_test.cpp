// Broken metafiles: a clean error or a partial picture, never a crash or a hang.
#include "media/wmf/metafile.h"
#include "wmf/corpus.h"

#include <QFile>
#include <QPainter>

#include <gtest/gtest.h>

#include <random>

namespace {

QByteArray corpusBytes(const QString& name) {
    QFile file(corpus::wmfDir() + "/" + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Reads and, when that succeeds, draws onto a small image; true when it drew.
bool readAndDraw(const QByteArray& bytes) {
    const auto result = wmf::Metafile::read(bytes);
    const auto* metafile = std::get_if<wmf::Metafile>(&result);
    if (!metafile) {
        EXPECT_FALSE(std::get<wmf::Error>(result).message.isEmpty());
        return false;
    }
    QImage image(48, 48, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    metafile->draw(painter, QRectF(0, 0, 48, 48));
    return true;
}

// Offsets at which records start (after the headers), found by walking the sizes.
QVector<qsizetype> recordStarts(const QByteArray& bytes) {
    QVector<qsizetype> starts;
    qsizetype pos = quint8(bytes[0]) == 0xD7 && quint8(bytes[1]) == 0xCD ? 22 + 18 : 18;
    while (pos + 6 <= bytes.size()) {
        starts.append(pos);
        const auto* p = reinterpret_cast<const uchar*>(bytes.constData()) + pos;
        const quint32 words = p[0] | (p[1] << 8) | (p[2] << 16) | (quint32(p[3]) << 24);
        if (words < 3 || (p[4] == 0 && p[5] == 0))
            break;
        pos += qsizetype(words) * 2;
    }
    return starts;
}

// At most `count` of the offsets, spread evenly from the first to the last: a file of
// thousands of records would otherwise be drawn thousands of times, while the fuzzers
// reach every boundary in their long runs.
QVector<qsizetype> spread(const QVector<qsizetype>& all, qsizetype count) {
    if (all.size() <= count)
        return all;
    QVector<qsizetype> some;
    for (qsizetype i = 0; i < count; ++i)
        some.append(all[i * (all.size() - 1) / (count - 1)]);
    return some;
}

const QByteArray kEof("\x03\x00\x00\x00\x00\x00", 6);

TEST(WmfRobustness, MalformedCorpusFileIsRefusedWithItsOffset) {
    const auto result = wmf::Metafile::read(corpusBytes("poi-61338.wmf"));
    ASSERT_TRUE(std::holds_alternative<wmf::Error>(result));
    EXPECT_EQ(std::get<wmf::Error>(result).offset, 8564);
}

class CorpusFileTest : public ::testing::TestWithParam<QString> {};

// Cut at a record boundary the file has no META_EOF and is refused; with one put back
// it is the picture of the records before the cut.
TEST_P(CorpusFileTest, TruncatedAtRecordBoundaries) {
    const QByteArray bytes = corpusBytes(GetParam());
    ASSERT_FALSE(bytes.isEmpty());
    for (qsizetype cut : spread(recordStarts(bytes), 64)) {
        EXPECT_FALSE(readAndDraw(bytes.first(cut))) << "cut at " << cut;
        readAndDraw(bytes.first(cut) + kEof);
    }
}

TEST_P(CorpusFileTest, SurvivesSeededByteFlips) {
    const QByteArray original = corpusBytes(GetParam());
    ASSERT_FALSE(original.isEmpty());
    std::mt19937 random(qHash(GetParam()));
    for (int round = 0; round < 40; ++round) {
        QByteArray bytes = original;
        std::uniform_int_distribution<qsizetype> at(0, bytes.size() - 1);
        for (int flip = 0; flip < 1 + round % 8; ++flip)
            bytes[at(random)] = char(random() & 0xFF);
        readAndDraw(bytes);
    }
}

INSTANTIATE_TEST_SUITE_P(Corpus, CorpusFileTest, ::testing::ValuesIn(corpus::metafiles()),
                         [](const auto& info) {
                             std::string name = info.param.toStdString();
                             name.resize(name.size() - 4);
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

} // namespace
