#include "activities/engine/engine.h"
#include "engine/screendata.h"

#include <cmath>
#include <gtest/gtest.h>

using engine::Layout;
using engine::Rect;
using engine::Scoring;

namespace {

// Drags word label w by its centre so that its top-left corner ends at (left, top), as a
// pupil's left-button drag would, then releases it. Returns the number of snaps.
int dragAndDrop(Layout& layout, int w, float left, float top) {
    Rect& label = layout.labels.at(w);
    engine::drag(label, 1, left - label.left + label.width / 2, top - label.top + label.height / 2);
    EXPECT_EQ(label.left, left);
    EXPECT_EQ(label.top, top);
    return engine::drop(layout, w);
}

void expectAt(const Rect& label, float left, float top) {
    EXPECT_EQ(label.left, left);
    EXPECT_EQ(label.top, top);
}

Layout setUpLayout(Layout layout) {
    engine::setUp(layout);
    return layout;
}

TEST(SetUp, EveryHomeSlotLiesUnderItsLabel) {
    const Layout design = screendata::trueFalse();
    const Layout layout = setUpLayout(design);
    ASSERT_EQ(layout.homes.size(), design.labels.size());
    for (std::size_t i = 0; i < design.labels.size(); ++i) {
        const Rect& home = layout.homes[i];
        const Rect& label = design.labels[i];
        EXPECT_EQ(std::tie(home.left, home.top, home.width, home.height),
                  std::tie(label.left, label.top, label.width, label.height));
        expectAt(layout.labels[i], label.left, label.top);
    }
}

struct DragCase {
    int button;
    float x, y;
    Rect after;
};

class Drag : public testing::TestWithParam<DragCase> {};

TEST_P(Drag, OnlyTheLeftButtonMovesTheLabelsCentreToThePointer) {
    Rect label{840, 5880, 1560, 375};
    engine::drag(label, GetParam().button, GetParam().x, GetParam().y);
    const Rect& after = GetParam().after;
    EXPECT_EQ(std::tie(label.left, label.top, label.width, label.height),
              std::tie(after.left, after.top, after.width, after.height));
}

INSTANTIATE_TEST_SUITE_P(Buttons, Drag,
                         testing::Values(DragCase{1, 780, 187.5f, {840, 5880, 1560, 375}},
                                         DragCase{1, 100.5f, 7, {160.5f, 5699.5f, 1560, 375}},
                                         DragCase{1, -9000, -9000, {-8940, -3307.5f, 1560, 375}},
                                         DragCase{2, 100, 7, {840, 5880, 1560, 375}},
                                         DragCase{3, 100, 7, {840, 5880, 1560, 375}},
                                         DragCase{0, 100, 7, {840, 5880, 1560, 375}}));

struct WindowCase {
    const char* name;
    Rect box;
    float px, py;
    bool inside;
};

class CatchWindow : public testing::TestWithParam<WindowCase> {};

TEST_P(CatchWindow, IsStrictAndComparedInSinglePrecision) {
    const WindowCase& c = GetParam();
    EXPECT_EQ(engine::inCatchWindow(c.box, c.px, c.py), c.inside);

    Layout layout{{{c.px, c.py, c.box.width, c.box.height}}, {c.box}, {{-1e6f, -1e6f, 1, 1}}};
    EXPECT_EQ(engine::drop(layout, 0), c.inside ? 1 : 0);
    if (c.inside)
        expectAt(layout.labels[0], c.box.left, c.box.top);
    else
        expectAt(layout.labels[0], c.px, c.py);
}

const Rect kRochdale{7530, 1800, 1560, 375};

INSTANTIATE_TEST_SUITE_P(
    Edges, CatchWindow,
    testing::Values(
        WindowCase{"JustInsideLeftLimit", kRochdale, std::nextafter(6750.0f, 7000.0f), 1800, true},
        WindowCase{"OnLeftLimit", kRochdale, 6750, 1800, false},
        WindowCase{"OnRightEdge", kRochdale, 9090, 1800, false},
        WindowCase{"OneTwipLeftOfRightEdge", kRochdale, 9089, 1800, true},
        WindowCase{"JustBelowTopLimit", kRochdale, 7530, std::nextafter(1612.5f, 2000.0f), true},
        WindowCase{"OnTopLimit", kRochdale, 7530, 1612.5f, false},
        WindowCase{"OnBottomEdge", kRochdale, 7530, 2175, false},
        WindowCase{"OneTwipAboveBottomEdge", kRochdale, 7530, 2174, true},
        WindowCase{"FarCorner", kRochdale, 9089.5f, 2174.5f, true},
        WindowCase{"OffScreen", kRochdale, -500, -500, false},
        // 16777214 + 3 rounds to 16777216 in single precision, so a point at 16777216 is
        // on the right edge, although it lies left of it in exact arithmetic.
        WindowCase{"RightBoundRoundedFirst", {16777214, 0, 3, 10}, 16777216, 0, false}),
    [](const testing::TestParamInfo<WindowCase>& info) { return info.param.name; });

TEST(Drop, TestsBoxAndHomeSlotInTurnAndTheLastSnapWins) {
    Layout layout{{{1010, 1010, 100, 100}}, {{1000, 1000, 100, 100}}, {{1020, 1020, 100, 100}}};
    EXPECT_EQ(engine::drop(layout, 0), 2);
    expectAt(layout.labels[0], 1020, 1020);
}

TEST(Drop, ALabelReleasedWhereItLiesStillSnapsOnce) {
    Layout layout = setUpLayout(screendata::boroughMap());
    EXPECT_EQ(engine::drop(layout, screendata::Wigan), 1);
    expectAt(layout.labels[screendata::Wigan], 840, 6360);
}

TEST(Drop, ALabelNearAnotherLabelsHomeSlotSnapsIntoIt) {
    Layout layout = setUpLayout(screendata::boroughMap());
    EXPECT_EQ(dragAndDrop(layout, screendata::Oldham, 700, 5800), 1);
    expectAt(layout.labels[screendata::Oldham], 840, 5880); // Rochdale's home slot
}

struct RowCase {
    float rowTop;
    float left;
    int expectedBox;
};

class TrueFalseRow : public testing::TestWithParam<RowCase> {};

TEST_P(TrueFalseRow, TheFalseBoxOfARowIsTestedFirst) {
    Layout layout = setUpLayout(screendata::trueFalse());
    const int statement = 7;
    EXPECT_EQ(dragAndDrop(layout, statement, GetParam().left, GetParam().rowTop), 1);
    const Rect& box = layout.boxes.at(GetParam().expectedBox);
    expectAt(layout.labels[statement], box.left, box.top);
}

INSTANTIATE_TEST_SUITE_P(Overlaps, TrueFalseRow,
                         testing::Values(RowCase{1800, 3278, 2}, RowCase{2400, 4500, 1},
                                         RowCase{3000, 5804, 0}, RowCase{3600, 5805, 3},
                                         RowCase{4200, 3277.75f, 4}, RowCase{3000, 3277.5f, 6},
                                         RowCase{4200, 3277, 9}, RowCase{2400, 200, 5}));

// Places each word label i on box target[i] by dragging and dropping it.
void placeAll(Layout& layout, const std::vector<int>& target) {
    for (std::size_t i = 0; i < target.size(); ++i) {
        const Rect box = layout.boxes.at(target[i]);
        dragAndDrop(layout, static_cast<int>(i), box.left + 10, box.top + 10);
        expectAt(layout.labels[i], box.left, box.top);
    }
}

struct ScoreCase {
    const char* name;
    Layout (*design)();
    Scoring scoring;
    std::vector<int> target;
    int score;
};

class Scores : public testing::TestWithParam<ScoreCase> {};

TEST_P(Scores, CountLabelsOnTheirBoxes) {
    Layout layout = setUpLayout(GetParam().design());
    placeAll(layout, GetParam().target);
    EXPECT_EQ(engine::score(layout, GetParam().scoring), GetParam().score);
    EXPECT_EQ(engine::score(layout, GetParam().scoring), GetParam().score);
    EXPECT_TRUE(engine::ready(layout, static_cast<int>(layout.labels.size())));
}

INSTANTIATE_TEST_SUITE_P(
    Screens, Scores,
    testing::Values(
        ScoreCase{"BoroughsAll", screendata::boroughMap, Scoring::IndexMatch, {0, 1, 2, 3, 4}, 5},
        ScoreCase{"BoroughsOldhamRochdaleSwapped",
                  screendata::boroughMap,
                  Scoring::IndexMatch,
                  {4, 1, 2, 3, 0},
                  3},
        ScoreCase{"IndustriesAll", screendata::industries, Scoring::IndexMatch, {0, 1, 2, 3}, 4},
        ScoreCase{"SentencesAll",
                  screendata::sentenceCompletion,
                  Scoring::IndexMatch,
                  {0, 1, 2, 3, 4, 5},
                  6},
        ScoreCase{"SentencesTramsIrwellSwapped",
                  screendata::sentenceCompletion,
                  Scoring::IndexMatch,
                  {2, 1, 0, 3, 4, 5},
                  4},
        ScoreCase{"TrueFalseOwnColumnsAnyOrder",
                  screendata::trueFalse,
                  Scoring::Groups,
                  {3, 0, 4, 2, 1, 9, 5, 8, 6, 7},
                  10},
        ScoreCase{"TrueFalseOwnBoxesIndexMatch",
                  screendata::trueFalse,
                  Scoring::IndexMatch,
                  {3, 0, 4, 2, 1, 9, 5, 8, 6, 7},
                  0},
        ScoreCase{"TrueFalseWrongColumns",
                  screendata::trueFalse,
                  Scoring::Groups,
                  {5, 6, 7, 8, 9, 0, 1, 2, 3, 4},
                  0}),
    [](const testing::TestParamInfo<ScoreCase>& info) { return info.param.name; });

TEST(Ready, StackedLabelsCountTwice) {
    Layout layout = setUpLayout(screendata::trueFalse());
    placeAll(layout, {0, 0, 2, 3, 4, 5, 6, 7, 8});
    EXPECT_FALSE(engine::ready(layout, 10));
    placeAll(layout, {0, 0, 2, 3, 4, 5, 6, 7, 8, 9});
    EXPECT_TRUE(engine::ready(layout, 10));
    // Both false statements stacked in one "False" box still count under the group rule.
    EXPECT_EQ(engine::score(layout, Scoring::Groups), 10);
}

TEST(Ready, CountsOnlyLabelsThatSitOnBoxes) {
    Layout layout = setUpLayout(screendata::boroughMap());
    EXPECT_FALSE(engine::ready(layout, 5));
    placeAll(layout, {0, 1, 2, 3, 4});
    EXPECT_TRUE(engine::ready(layout, 5));
    dragAndDrop(layout, screendata::Wigan, 3000, 100);
    EXPECT_FALSE(engine::ready(layout, 5));
    EXPECT_TRUE(engine::ready(layout, 4));
}

TEST(StartAgain, EveryLabelReturnsToItsOwnHomeSlot) {
    const Layout design = screendata::boroughMap();
    Layout layout = setUpLayout(design);
    dragAndDrop(layout, screendata::Oldham, 700, 5800);    // into Rochdale's home slot
    dragAndDrop(layout, screendata::Rochdale, 7600, 1850); // into its box
    dragAndDrop(layout, screendata::Wigan, -3000, 9500);   // off the screen
    expectAt(layout.labels[screendata::Wigan], -3000, 9500);
    engine::startAgain(layout);
    for (std::size_t i = 0; i < design.labels.size(); ++i)
        expectAt(layout.labels[i], design.labels[i].left, design.labels[i].top);
    EXPECT_EQ(engine::score(layout, Scoring::IndexMatch), 0);
}

} // namespace
