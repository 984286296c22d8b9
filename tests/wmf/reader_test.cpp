// Structure checks of the reader: what is refused, with which offset.
#include "media/wmf/metafile.h"
#include "wmf/metafilebuilder.h"

#include <gtest/gtest.h>

namespace {

struct Broken {
    const char* name;
    QByteArray bytes;
    qint64 offset;
};

QByteArray valid() {
    return MetafileBuilder().windowExt(10, 10).bytes();
}

QByteArray withWord(QByteArray bytes, int at, quint16 value) {
    bytes[at] = char(value & 0xFF);
    bytes[at + 1] = char(value >> 8);
    return bytes;
}

class WmfReaderRefuses : public ::testing::TestWithParam<Broken> {};

TEST_P(WmfReaderRefuses, WithAnErrorAtTheRightOffset) {
    const auto result = wmf::Metafile::read(GetParam().bytes);
    ASSERT_TRUE(std::holds_alternative<wmf::Error>(result));
    const wmf::Error& error = std::get<wmf::Error>(result);
    EXPECT_EQ(error.offset, GetParam().offset) << error.message.toStdString();
    EXPECT_FALSE(error.message.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Structure, WmfReaderRefuses,
    ::testing::Values(
        Broken{"Empty", QByteArray(), 0}, Broken{"HeaderCutShort", valid().first(10), 0},
        Broken{"PlaceableCutShort", MetafileBuilder().placeable({0, 0, 9, 9}, 96).bytes().first(12),
               0},
        Broken{"ZeroUnitsPerInch", MetafileBuilder().placeable({0, 0, 9, 9}, 0).bytes(), 14},
        Broken{"UnknownType", withWord(valid(), 0, 7), 0},
        Broken{"HeaderSizeNotNine", withWord(valid(), 2, 12), 2},
        Broken{"NoEof", MetafileBuilder().windowExt(10, 10).bytes(false), 28},
        Broken{"RecordShorterThanItsHeader", withWord(valid(), 18, 2), 18},
        Broken{"RecordPastTheEnd", withWord(valid(), 18, 500), 18},
        Broken{"ObjectTableTooLarge", MetafileBuilder().objects(40000).windowExt(1, 1).bytes(), 10},
        Broken{"NothingToSizeBy", MetafileBuilder().record(0x0201, {0, 0}).bytes(), -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WmfReader, BytesAfterEofAreIgnored) {
    const auto result = wmf::Metafile::read(valid() + QByteArray(40, '\x7F'));
    ASSERT_TRUE(std::holds_alternative<wmf::Metafile>(result));
    EXPECT_EQ(std::get<wmf::Metafile>(result).recordCount(), 2);
}

TEST(WmfReader, MissingFileIsAnError) {
    const auto result = wmf::Metafile::readFile(QStringLiteral("no such file.wmf"));
    ASSERT_TRUE(std::holds_alternative<wmf::Error>(result));
}

} // namespace
