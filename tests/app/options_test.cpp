#include "app/options.h"

#include <gtest/gtest.h>

namespace {

struct Line {
    std::vector<std::string> args;
    bool windowed, help, version;
    std::string error;
};

class CommandLine : public ::testing::TestWithParam<Line> {};

TEST_P(CommandLine, IsReadAsTheUserMeantIt) {
    const Line& line = GetParam();
    const Options options = parseOptions(line.args);
    EXPECT_EQ(options.windowed, line.windowed);
    EXPECT_EQ(options.help, line.help);
    EXPECT_EQ(options.version, line.version);
    EXPECT_EQ(options.error, line.error);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandLine,
    ::testing::Values(Line{{}, false, false, false, ""}, Line{{"--window"}, true, false, false, ""},
                      Line{{"--help"}, false, true, false, ""},
                      Line{{"--version"}, false, false, true, ""},
                      Line{{"--window", "--help"}, true, true, false, ""},
                      Line{{"-platform", "xcb", "--window"}, true, false, false, ""},
                      Line{{"--windowed"}, false, false, false, "unknown option --windowed"},
                      Line{{"--versions"}, false, false, false, "unknown option --versions"},
                      Line{{"--full", "--x"}, false, false, false, "unknown option --full"}));

TEST(Usage, ListsEveryOptionAndTheFullScreenKey) {
    const std::string text = usage();
    for (const char* part : {"--window", "--help", "--version", "F11", "/etc/placeworks.conf"}) {
        EXPECT_NE(text.find(part), std::string::npos) << part;
    }
}

} // namespace
