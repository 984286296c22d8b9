#include "media/textfile/codepage.h"

#include <gtest/gtest.h>

using media::decode1252;
using media::encode1252;

namespace {

struct CharByte {
    char16_t character;
    unsigned char byte;
};

class CodePageTable : public testing::TestWithParam<CharByte> {};

TEST_P(CodePageTable, CharacterAndByteMapBothWays) {
    const CharByte row = GetParam();
    const QString text(QChar(row.character));
    const std::optional<QByteArray> bytes = encode1252(text);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(*bytes, QByteArray(1, static_cast<char>(row.byte)));
    EXPECT_EQ(decode1252(*bytes), text);
    EXPECT_TRUE(media::isWindows1252(QChar(row.character)));
}

INSTANTIATE_TEST_SUITE_P(Characters, CodePageTable,
                         testing::Values(CharByte{u'A', 0x41}, CharByte{u'é', 0xE9},
                                         CharByte{u'£', 0xA3}, CharByte{u'€', 0x80},
                                         CharByte{u'’', 0x92}, CharByte{u'“', 0x93},
                                         CharByte{u'Ÿ', 0x9F}, CharByte{u'ÿ', 0xFF},
                                         CharByte{u'\u00A0', 0xA0}, CharByte{u'\u0081', 0x81},
                                         CharByte{u'\u009D', 0x9D}));

TEST(CodePage, CharactersWithoutAByteAreRefused) {
    for (const QString text :
         {QStringLiteral("Ω"), QStringLiteral("ab\u0100"), QStringLiteral("\u0080"),
          QStringLiteral("\u0099"), QString::fromUcs4(U"\U0001F600")}) {
        EXPECT_FALSE(encode1252(text).has_value()) << text.toStdString();
    }
    EXPECT_FALSE(media::isWindows1252(QChar(0x2603)));
}

TEST(CodePage, EveryByteSurvivesDecodingAndEncoding) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = decode1252(all);
    EXPECT_EQ(text.size(), 256);
    EXPECT_EQ(encode1252(text), std::optional<QByteArray>(all));
}

} // namespace
