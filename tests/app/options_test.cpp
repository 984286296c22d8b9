#include "app/options.h"

#include <gtest/gtest.h>

namespace {

struct Line {
    std::vector<std::string> args;
    bool windowed, help;
    std::string error;
};

class CommandLine : public ::testing::TestWithParam<Line> {};

TEST_P(CommandLine, IsReadAsTheUserMeantIt) {
    const Line& line = GetParam();
    const Options options = parseOptions(line.args);
    EXPECT_EQ(options.windowed, line.windowed);
    EXPECT_EQ(options.help, line.help);
    EXPECT_EQ(options.error, line.error);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandLine,
    ::testing::Values(Line{{}, false, false, ""}, Line{{"--window"}, true, false, ""},
                      Line{{"--help"}, false, true, ""},
                      Line{{"--window", "--help"}, true, true, ""},
                      Line{{"-platform", "xcb", "--window"}, true, false, ""},
                      Line{{"--windowed"}, false, false, "unknown option --windowed"},
                      Line{{"--full", "--x"}, false, false, "unknown option --full"}));

TEST(Usage, ListsEveryOptionAndTheFullScreenKey) {
    const std::string text = usage();
    for (const char* part : {"--window", "--help", "F11"}) {
        EXPECT_NE(text.find(part), std::string::npos) << part;
    }
}

} // namespace
