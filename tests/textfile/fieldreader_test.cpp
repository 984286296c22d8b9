#include "media/textfile/fieldreader.h"
#include "media/textfile/textfileerror.h"

#include <QStringList>
#include <gtest/gtest.h>

using media::FieldReader;
using media::TextFileError;

namespace {

struct FieldCase {
    const char* name;
    QByteArray bytes;
    QStringList fields; // every field the bytes hold; one more read must throw
};

class FieldRule : public testing::TestWithParam<FieldCase> {};

TEST_P(FieldRule, ReadsTheFieldsThenThrowsAtTheEnd) {
    const FieldCase& c = GetParam();
    FieldReader reader(c.bytes);
    QStringList read;
    while (!reader.atEnd())
        read << reader.readField();
    EXPECT_EQ(read, c.fields);
    EXPECT_THROW(reader.readField(), TextFileError);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, FieldRule,
    testing::Values(FieldCase{"Empty", "", {}}, FieldCase{"OneLine", "Wigan\r\n", {"Wigan"}},
                    FieldCase{"EmptyLine", "\r\n", {""}},
                    FieldCase{"EmptyLines", "a\r\n\r\n\r\n", {"a", "", ""}},
                    FieldCase{"LastLineWithoutLineEnd", "a\r\nb", {"a", "b"}},
                    FieldCase{"CommaEndsField", "a,b\r\nc\r\n", {"a", "b", "c"}},
                    FieldCase{"TrailingComma", "a,\r\nc\r\n", {"a", "", "c"}},
                    FieldCase{"CommaAtEndOfFile", "a,", {"a", ""}},
                    FieldCase{"SpacesKept", "  two  \r\n \r\n", {"  two  ", " "}},
                    FieldCase{"QuotesKept", "\"quoted\" and \"x\r\n", {"\"quoted\" and \"x"}},
                    FieldCase{"LoneLineFeed", "a\nb\n", {"a", "b"}},
                    FieldCase{"LoneCarriageReturn", "a\rb\r\n", {"a", "b"}},
                    FieldCase{"Windows1252", "caf\xE9 \xA3\x35\r\n", {"café £5"}}),
    [](const testing::TestParamInfo<FieldCase>& info) { return info.param.name; });

struct NumberCase {
    QByteArray line;
    std::optional<int> value; // nullopt: not a number
};

class NumberRule : public testing::TestWithParam<NumberCase> {};

TEST_P(NumberRule, ReadsWholeNumbersWithSpacesAround) {
    FieldReader reader(GetParam().line);
    if (GetParam().value) {
        EXPECT_EQ(reader.readNumber(), *GetParam().value);
    } else {
        EXPECT_THROW(reader.readNumber(), TextFileError);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, NumberRule,
    testing::Values(NumberCase{" 3 \r\n", 3}, NumberCase{"0\r\n", 0},
                    NumberCase{"  1000\r\n", 1000}, NumberCase{" 2147483647 ", 2147483647},
                    NumberCase{" 2147483648 ", std::nullopt}, NumberCase{"\r\n", std::nullopt},
                    NumberCase{"   \r\n", std::nullopt}, NumberCase{" -1 \r\n", std::nullopt},
                    NumberCase{" 3 4 \r\n", std::nullopt}, NumberCase{"3x\r\n", std::nullopt},
                    NumberCase{"", std::nullopt}));

TEST(FieldReader, NumberThenTitlesShareTheLineRule) {
    FieldReader reader(QByteArrayLiteral(" 2 \r\nOne\r\nTwo, again\r\n"));
    EXPECT_EQ(reader.readNumber(), 2);
    EXPECT_EQ(reader.readField(), QStringLiteral("One"));
    EXPECT_EQ(reader.readField(), QStringLiteral("Two"));
    EXPECT_EQ(reader.readField(), QStringLiteral(" again"));
    EXPECT_TRUE(reader.atEnd());
}

} // namespace
