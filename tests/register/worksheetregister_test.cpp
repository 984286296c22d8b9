#include "authoring/register/worksheetregister.h"
#include "media/textfile/textfileerror.h"
#include "textfile/programfolder.h"

#include <gtest/gtest.h>

using media::TextFileError;

namespace {

const QString kTrack = QStringLiteral("multiple/track.txt");

// Counts rewrites, and can fail part way through one as a full disk would.
class TestTextFiles : public media::TextFiles {
public:
    int replaced = 0;
    int linesBeforeFailure = -1; // -1: never fail

    void replace(const QString& path, const QStringList& lines) override {
        ++replaced;
        TextFiles::replace(path, lines);
    }

protected:
    void writeChunk(QIODevice& out, QByteArrayView bytes) override {
        if (linesBeforeFailure-- == 0)
            throw TextFileError("disk full");
        TextFiles::writeChunk(out, bytes);
    }
};

QByteArray registerBytes(int count, const QStringList& titles) {
    QByteArray bytes = " " + QByteArray::number(count) + " \r\n";
    for (const QString& title : titles)
        bytes += title.toLatin1() + "\r\n";
    return bytes;
}

QStringList numbered(int count) {
    QStringList titles;
    for (int i = 1; i <= count; ++i)
        titles << QStringLiteral("Sheet %1").arg(i);
    return titles;
}

QStringList namesInMemory(const RegisterState& state, int count) {
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names << state.worksheetnames[i];
    return names;
}

struct AddCase {
    const char* name;
    QByteArray before; // empty: no register
    QString title;
    QByteArray after;
    int countAfter;
};

class AddTitle : public testing::TestWithParam<AddCase> {};

TEST_P(AddTitle, WritesTheRegister) {
    const AddCase& c = GetParam();
    ProgramFolder folder;
    if (!c.before.isEmpty())
        ProgramFolder::write(kTrack, c.before);
    TestTextFiles files;
    RegisterState state;
    reg::trackworksheets(files, state, c.title);
    EXPECT_EQ(ProgramFolder::read(kTrack), c.after);
    EXPECT_EQ(files.replaced, c.before == c.after ? 0 : 1);
    EXPECT_EQ(state.worksheetcount, c.countAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Registers, AddTitle,
    testing::Values(AddCase{"NewTitle", " 2 \r\nRivers\r\nHills\r\n", "Towns",
                            " 3 \r\nRivers\r\nHills\r\nTowns\r\n", 2},
                    AddCase{"ExistingTitle", " 2 \r\nRivers\r\nHills\r\n", "Hills",
                            " 2 \r\nRivers\r\nHills\r\n", 2},
                    AddCase{"TitleDifferingInCase", " 2 \r\nRivers\r\nHills\r\n", "hills",
                            " 3 \r\nRivers\r\nHills\r\nhills\r\n", 2},
                    AddCase{"EmptyRegister", " 0 \r\n", "Rivers", " 1 \r\nRivers\r\n", 0},
                    AddCase{"MissingRegisterIsCreated", "", "Rivers", " 1 \r\nRivers\r\n", 0},
                    AddCase{"LinesAfterTheTitlesAreDropped", " 1 \r\nRivers\r\nstray\r\n", "Hills",
                            " 2 \r\nRivers\r\nHills\r\n", 1},
                    AddCase{"CountLineWithoutSpaces", "1\r\nRivers\r\n", "Hills",
                            " 2 \r\nRivers\r\nHills\r\n", 1},
                    AddCase{"Windows1252Title", " 1 \r\nRivers\r\n", "Café £",
                            " 2 \r\nRivers\r\nCaf\xE9 \xA3\r\n", 1}),
    [](const testing::TestParamInfo<AddCase>& info) { return info.param.name; });

TEST(AddTitle, TheNewTitleGoesIntoTheNextSlot) {
    ProgramFolder folder;
    ProgramFolder::write(kTrack, registerBytes(2, {"Rivers", "Hills"}));
    TestTextFiles files;
    RegisterState state;
    reg::trackworksheets(files, state, QStringLiteral("Towns"));
    EXPECT_EQ(namesInMemory(state, 3), (QStringList{"Rivers", "Hills", "Towns"}));
}

struct FailedAdd {
    const char* name;
    QByteArray before;
    int linesBeforeFailure;
};

class AddFailure : public testing::TestWithParam<FailedAdd> {};

TEST_P(AddFailure, ThrowsAndLeavesTheRegisterAsItWas) {
    ProgramFolder folder;
    ProgramFolder::write(kTrack, GetParam().before);
    TestTextFiles files;
    files.linesBeforeFailure = GetParam().linesBeforeFailure;
    RegisterState state;
    EXPECT_THROW(reg::trackworksheets(files, state, QStringLiteral("New")), TextFileError);
    EXPECT_EQ(ProgramFolder::read(kTrack), GetParam().before);
    EXPECT_EQ(ProgramFolder::entries(QStringLiteral("multiple")),
              QStringList{QStringLiteral("track.txt")});
}

INSTANTIATE_TEST_SUITE_P(
    Registers, AddFailure,
    testing::Values(FailedAdd{"ThousandTitles", registerBytes(1000, numbered(1000)), -1},
                    FailedAdd{"FewerTitlesThanCounted", registerBytes(3, {"A", "B"}), -1},
                    FailedAdd{"CountLineNotANumber", "three\r\nA\r\nB\r\nC\r\n", -1},
                    FailedAdd{"WriteFailsHalfWay", registerBytes(4, numbered(4)), 3}),
    [](const testing::TestParamInfo<FailedAdd>& info) { return info.param.name; });

TEST(AddTitle, TheNineHundredAndNinetyNinthTitleCanStillBeAdded) {
    ProgramFolder folder;
    ProgramFolder::write(kTrack, registerBytes(999, numbered(999)));
    TestTextFiles files;
    RegisterState state;
    reg::trackworksheets(files, state, QStringLiteral("Last"));
    EXPECT_EQ(ProgramFolder::read(kTrack), registerBytes(1000, numbered(999) << "Last"));
}

TEST(AddTitle, AMissingFolderFails) {
    ProgramFolder folder;
    QDir(QStringLiteral("multiple")).removeRecursively();
    TestTextFiles files;
    RegisterState state;
    EXPECT_THROW(reg::trackworksheets(files, state, QStringLiteral("New")), TextFileError);
}

struct RemoveCase {
    const char* name;
    QStringList before;
    QString chosen;
    QStringList after; // equal to before: nothing written
};

class RemoveTitle : public testing::TestWithParam<RemoveCase> {};

TEST_P(RemoveTitle, RewritesTheRegisterWithoutIt) {
    const RemoveCase& c = GetParam();
    ProgramFolder folder;
    ProgramFolder::write(kTrack, registerBytes(c.before.size(), c.before));
    TestTextFiles files;
    RegisterState state;
    state.chosensheet = c.chosen;
    reg::delworksheet(files, state);
    EXPECT_EQ(ProgramFolder::read(kTrack), registerBytes(c.after.size(), c.after));
    EXPECT_EQ(files.replaced, c.before == c.after ? 0 : 1);
    EXPECT_EQ(state.worksheetcount, c.after.size());
    EXPECT_EQ(namesInMemory(state, c.after.size()), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Registers, RemoveTitle,
    testing::Values(RemoveCase{"First", {"A", "B", "C"}, "A", {"B", "C"}},
                    RemoveCase{"Middle", {"A", "B", "C"}, "B", {"A", "C"}},
                    RemoveCase{"Last", {"A", "B", "C"}, "C", {"A", "B"}},
                    RemoveCase{"Only", {"A"}, "A", {}},
                    RemoveCase{"Absent", {"A", "B", "C"}, "D", {"A", "B", "C"}},
                    RemoveCase{"OtherCase", {"A", "B", "C"}, "b", {"A", "B", "C"}},
                    RemoveCase{"LastOfTwoEqual", {"A", "B", "A", "C"}, "A", {"A", "B", "C"}}),
    [](const testing::TestParamInfo<RemoveCase>& info) { return info.param.name; });

TEST(RemoveTitle, AFailedWriteLeavesTheRegisterAndTheCountAsRead) {
    ProgramFolder folder;
    const QByteArray before = registerBytes(3, {"A", "B", "C"});
    ProgramFolder::write(kTrack, before);
    TestTextFiles files;
    files.linesBeforeFailure = 1;
    RegisterState state;
    state.chosensheet = QStringLiteral("A");
    EXPECT_THROW(reg::delworksheet(files, state), TextFileError);
    EXPECT_EQ(ProgramFolder::read(kTrack), before);
    EXPECT_EQ(state.worksheetcount, 3);
    EXPECT_EQ(namesInMemory(state, 3), (QStringList{"A", "B", "C"}));
}

TEST(RemoveTitle, AMissingOrShortRegisterFails) {
    ProgramFolder folder;
    TestTextFiles files;
    RegisterState state;
    state.chosensheet = QStringLiteral("A");
    EXPECT_THROW(reg::delworksheet(files, state), TextFileError);
    ProgramFolder::write(kTrack, registerBytes(3, {"A", "B"}));
    EXPECT_THROW(reg::delworksheet(files, state), TextFileError);
    EXPECT_EQ(ProgramFolder::read(kTrack), registerBytes(3, {"A", "B"}));
}

} // namespace
