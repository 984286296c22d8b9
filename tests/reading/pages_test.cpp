// Page and frame file names, and the page counter text.
#include "reading/pagenames.h"

#include <gtest/gtest.h>

using namespace reading;

namespace {

struct NotesRow {
    const char* pageset;
    int page;
    const char* screen;
    const char* print;
};

class NotesPageNames : public ::testing::TestWithParam<NotesRow> {};

TEST_P(NotesPageNames, LetterFollowsThePageNumber) {
    const NotesRow& r = GetParam();
    const PageNames names = notesPage(QString::fromUtf8(r.pageset), r.page);
    EXPECT_EQ(names.screen, QString::fromUtf8(r.screen));
    EXPECT_EQ(names.print, QString::fromUtf8(r.print));
}

INSTANTIATE_TEST_SUITE_P(
    Pages, NotesPageNames,
    ::testing::Values(
        NotesRow{"key manchester1", 1, "wmf\\key manchester1a.wmf", "wmf2\\key manchester1a.wmf"},
        NotesRow{"key manchester2", 2, "wmf\\key manchester2b.wmf", "wmf2\\key manchester2b.wmf"},
        NotesRow{"key manchester2", 3, "wmf\\key manchester2c.wmf", "wmf2\\key manchester2c.wmf"},
        NotesRow{"key kinver2", 4, "wmf\\key kinver2d.wmf", "wmf2\\key kinver2d.wmf"},
        // Outside 1 to 4 both names are empty: loading them clears the images.
        NotesRow{"key manchester2", 5, "", ""}, NotesRow{"key manchester2", 0, "", ""}));

TEST(GuidePageNames, FiveNamedFiles) {
    EXPECT_EQ(guidePage(1).screen, QStringLiteral("wmf\\guide1.wmf"));
    EXPECT_EQ(guidePage(5).print, QStringLiteral("wmf2\\guide5.wmf"));
}

TEST(LogoFrameNames, FourDigitsEitherSideOfTen) {
    EXPECT_EQ(logoFrame(0), QStringLiteral("logo\\quil0000.gif"));
    EXPECT_EQ(logoFrame(9), QStringLiteral("logo\\quil0009.gif"));
    EXPECT_EQ(logoFrame(10), QStringLiteral("logo\\quil0010.gif"));
    EXPECT_EQ(logoFrame(19), QStringLiteral("logo\\quil0019.gif"));
}

TEST(PageCounter, NumbersWithoutPaddingOrZeros) {
    EXPECT_EQ(pageCounter(2, 3), QStringLiteral("Page 2 of 3"));
    EXPECT_EQ(pageCounter(10, 12), QStringLiteral("Page 10 of 12"));
}

} // namespace
