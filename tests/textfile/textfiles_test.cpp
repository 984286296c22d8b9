#include "media/textfile/programpath.h"
#include "media/textfile/textfileerror.h"
#include "media/textfile/textfiles.h"
#include "textfile/programfolder.h"

#include <QDir>
#include <gtest/gtest.h>

using media::TextFileError;
using media::TextFiles;

namespace {

// Fails after a given number of lines have been written, as a full disk would.
class FailingTextFiles : public TextFiles {
public:
    explicit FailingTextFiles(int linesBeforeFailure) : m_left(linesBeforeFailure) {}

protected:
    void writeChunk(QIODevice& out, QByteArrayView bytes) override {
        if (m_left-- == 0)
            throw TextFileError("disk full");
        TextFiles::writeChunk(out, bytes);
    }

private:
    int m_left;
};

const QByteArray kOld = QByteArrayLiteral("old\r\ncontents\r\n");

TEST(ProgramPath, TurnsBackslashesIntoSlashes) {
    ProgramFolder folder;
    EXPECT_EQ(media::programPath(QStringLiteral("multiple\\x.txt")),
              QStringLiteral("multiple/x.txt"));
}

TEST(ProgramPath, MatchesEachComponentIgnoringCase) {
    ProgramFolder folder;
    ASSERT_TRUE(QDir().mkpath(QStringLiteral("Images/Sub")));
    ProgramFolder::write(QStringLiteral("Images/Sub/Mill.JPG"), "x");
    EXPECT_EQ(media::programPath(QStringLiteral("images\\sub\\mill.jpg")),
              QStringLiteral("Images/Sub/Mill.JPG"));
    EXPECT_EQ(media::programPath(QStringLiteral("IMAGES/new.jpg")),
              QStringLiteral("Images/new.jpg"));
    EXPECT_EQ(media::programPath(QStringLiteral("nowhere\\Mill.JPG")),
              QStringLiteral("nowhere/Mill.JPG"));
}

TEST(ProgramPath, PrefersTheExactName) {
    ProgramFolder folder;
    ProgramFolder::write(QStringLiteral("multiple/A.txt"), "1");
    ProgramFolder::write(QStringLiteral("multiple/a.txt"), "2");
    EXPECT_EQ(media::programPath(QStringLiteral("multiple/a.txt")),
              QStringLiteral("multiple/a.txt"));
}

TEST(TextFiles, ReadsThroughTheProgramPath) {
    ProgramFolder folder;
    ProgramFolder::write(QStringLiteral("multiple/Track.TXT"), " 1 \r\nCaf\xE9\r\n");
    TextFiles files;
    EXPECT_TRUE(files.exists(QStringLiteral("multiple\\track.txt")));
    media::FieldReader reader = files.openForReading(QStringLiteral("multiple\\track.txt"));
    EXPECT_EQ(reader.readNumber(), 1);
    EXPECT_EQ(reader.readField(), QStringLiteral("Café"));
}

TEST(TextFiles, OpeningAMissingFileOrAFolderFails) {
    ProgramFolder folder;
    TextFiles files;
    EXPECT_FALSE(files.exists(QStringLiteral("multiple/none.txt")));
    EXPECT_FALSE(files.exists(QStringLiteral("multiple")));
    EXPECT_THROW(files.openForReading(QStringLiteral("multiple/none.txt")), TextFileError);
    EXPECT_THROW(files.openForReading(QStringLiteral("multiple")), TextFileError);
}

TEST(TextFiles, ReplaceWritesWindows1252LinesEndedByCrLf) {
    ProgramFolder folder;
    ProgramFolder::write(QStringLiteral("multiple/f.txt"), kOld);
    TextFiles files;
    files.replace(QStringLiteral("multiple\\f.txt"),
                  {QStringLiteral(" 2 "), QStringLiteral("£5 “café”"), QString()});
    EXPECT_EQ(ProgramFolder::read(QStringLiteral("multiple/f.txt")),
              QByteArrayLiteral(" 2 \r\n\xA3\x35 \x93\x63\x61\x66\xE9\x94\r\n\r\n"));
    EXPECT_EQ(ProgramFolder::entries(QStringLiteral("multiple")),
              QStringList{QStringLiteral("f.txt")});
}

TEST(TextFiles, ReplaceCreatesAMissingFile) {
    ProgramFolder folder;
    TextFiles files;
    files.replace(QStringLiteral("multiple/new.txt"), {QStringLiteral("x")});
    EXPECT_EQ(ProgramFolder::read(QStringLiteral("multiple/new.txt")), "x\r\n");
}

struct FailedReplace {
    const char* name;
    QString path;
    QStringList lines;
    int linesBeforeFailure;
};

class ReplaceFailure : public testing::TestWithParam<FailedReplace> {};

TEST_P(ReplaceFailure, ThrowsAndLeavesTheOldFileAsItWas) {
    ProgramFolder folder;
    ProgramFolder::write(QStringLiteral("multiple/f.txt"), kOld);
    FailingTextFiles files(GetParam().linesBeforeFailure);
    EXPECT_THROW(files.replace(GetParam().path, GetParam().lines), TextFileError);
    EXPECT_EQ(ProgramFolder::read(QStringLiteral("multiple/f.txt")), kOld);
    EXPECT_EQ(ProgramFolder::entries(QStringLiteral("multiple")),
              QStringList{QStringLiteral("f.txt")});
}

const QStringList kFourLines = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                QStringLiteral("4")};

INSTANTIATE_TEST_SUITE_P(
    Failures, ReplaceFailure,
    testing::Values(
        FailedReplace{"HalfWay", QStringLiteral("multiple/f.txt"), kFourLines, 2},
        FailedReplace{"FirstLine", QStringLiteral("multiple/f.txt"), kFourLines, 0},
        FailedReplace{"CharacterOutside1252",
                      QStringLiteral("multiple/f.txt"),
                      {QStringLiteral("ok"), QStringLiteral("Ω")},
                      100},
        FailedReplace{"LineBreakInALine",
                      QStringLiteral("multiple/f.txt"),
                      {QStringLiteral("one"), QStringLiteral("two\nthree")},
                      100},
        FailedReplace{"ReturnInALine",
                      QStringLiteral("multiple/f.txt"),
                      {QStringLiteral("one\r"), QStringLiteral("two")},
                      100},
        FailedReplace{"MissingFolder", QStringLiteral("nofolder/f.txt"), kFourLines, 100},
        FailedReplace{"SeparatorInName", QStringLiteral("multiple/a/b.txt"), kFourLines, 100},
        FailedReplace{"NameIsAFolder", QStringLiteral("multiple"), kFourLines, 100}),
    [](const testing::TestParamInfo<FailedReplace>& info) { return info.param.name; });

} // namespace
