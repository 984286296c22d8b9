#include "authoring/register/worksheetregister.h"
#include "textfile/programfolder.h"

#include <gtest/gtest.h>

namespace {

const QString kTrack = QStringLiteral("multiple/track.txt");

enum class Reader { Startup, Catalogue };

struct ReadCase {
    const char* name;
    Reader reader;
    QByteArray bytes; // empty: no register
    std::optional<int> count;
    QStringList names; // slots 1.. as they are after the read
};

// Slots start filled, so that the test shows which ones the read overwrote.
RegisterState previousState() {
    RegisterState state;
    for (int i = 1; i <= RegisterState::kMaxTitles; ++i)
        state.worksheetnames[i] = QStringLiteral("before");
    return state;
}

class RegisterRead : public testing::TestWithParam<ReadCase> {};

TEST_P(RegisterRead, FillsCountAndTitles) {
    const ReadCase& c = GetParam();
    ProgramFolder folder;
    if (!c.bytes.isEmpty())
        ProgramFolder::write(kTrack, c.bytes);
    media::TextFiles files;
    RegisterState state = previousState();
    if (c.reader == Reader::Startup)
        reg::startupRead(files, state);
    else
        reg::catalogueRead(files, state);
    EXPECT_EQ(state.worksheetcount, c.count);
    for (int i = 1; i <= c.names.size(); ++i)
        EXPECT_EQ(state.worksheetnames[i], c.names[i - 1]) << "slot " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Registers, RegisterRead,
    testing::Values(
        ReadCase{"Startup",
                 Reader::Startup,
                 " 3 \r\nA\r\nB & C\r\n \"D\" \r\nstray\r\n",
                 3,
                 {"A", "B & C", " \"D\" ", "before"}},
        ReadCase{"CatalogueDecodes",
                 Reader::Catalogue,
                 " 2 \r\nA&B\r\nC\r\n",
                 2,
                 {"A,B", "C", "before"}},
        ReadCase{
            "StartupShortRegister", Reader::Startup, " 5 \r\nA\r\nB\r\n", 5, {"A", "B", "before"}},
        ReadCase{
            "CatalogueShortRegister", Reader::Catalogue, " 5 \r\nA\r\nB", 5, {"A", "B", "before"}},
        ReadCase{"StartupMissing", Reader::Startup, "", std::nullopt, {"before"}},
        ReadCase{"CatalogueMissing", Reader::Catalogue, "", std::nullopt, {"before"}},
        ReadCase{"CountNotANumber", Reader::Startup, "x\r\nA\r\n", std::nullopt, {"before"}},
        ReadCase{"Empty", Reader::Catalogue, " 0 \r\n", 0, {"before"}},
        ReadCase{
            "CommaSplitsATitle", Reader::Startup, " 2 \r\nA,B\r\nC\r\n", 2, {"A", "B", "before"}}),
    [](const testing::TestParamInfo<ReadCase>& info) { return info.param.name; });

TEST(RegisterRead, StopsAfterTheThousandthTitle) {
    ProgramFolder folder;
    QByteArray bytes = " 1001 \r\n";
    for (int i = 1; i <= 1001; ++i)
        bytes += "T" + QByteArray::number(i) + "\r\n";
    ProgramFolder::write(kTrack, bytes);
    media::TextFiles files;
    RegisterState state = previousState();
    reg::startupRead(files, state);
    EXPECT_EQ(state.worksheetcount, 1001);
    EXPECT_EQ(state.worksheetnames[1000], QStringLiteral("T1000"));
}

TEST(RegisterRead, AMissingRegisterLeavesTheCountAsItWas) {
    ProgramFolder folder;
    media::TextFiles files;
    RegisterState state;
    state.worksheetcount = 4;
    reg::catalogueRead(files, state);
    EXPECT_EQ(state.worksheetcount, 4);
}

} // namespace
