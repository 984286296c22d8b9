#include "activities/engine/keyboard.h"
#include "engine/screendata.h"

#include <gtest/gtest.h>

using engine::Layout;
using engine::Rect;
using engine::Stop;

namespace {

Layout setUp(Layout layout) {
    engine::setUp(layout);
    return layout;
}

std::pair<float, float> at(const Rect& r) {
    return {r.left, r.top};
}

TEST(KeyboardStops, BoxesInReadingOrderThenHomeSlots) {
    using namespace screendata;
    std::vector<std::pair<Stop::Kind, int>> stops;
    for (const Stop& s : engine::keyboardStops(setUp(boroughMap()))) {
        stops.emplace_back(s.kind, s.index);
    }
    const auto box = Stop::Kind::Box;
    const auto home = Stop::Kind::Home;
    const std::vector<std::pair<Stop::Kind, int>> expected = {
        {box, Rochdale}, {box, Oldham},     {box, Wigan},       {box, Manchester}, {box, Stockport},
        {home, Oldham},  {home, Stockport}, {home, Manchester}, {home, Rochdale},  {home, Wigan}};
    EXPECT_EQ(stops, expected);
}

TEST(KeyboardCarry, FromTheWordListToTheFirstBoxRoundAndBack) {
    Layout layout = setUp(screendata::boroughMap());
    engine::KeyboardCarry carry;
    carry.pickUp(layout, screendata::Oldham);
    carry.move(layout, 1);
    EXPECT_EQ(at(layout.labels[screendata::Oldham]), at(layout.boxes[screendata::Rochdale]));
    carry.move(layout, -1);
    carry.move(layout, -1);
    EXPECT_EQ(at(layout.labels[screendata::Oldham]), at(layout.homes[screendata::Rochdale]))
        << "back past the first box to the home slots: Wigan's is the last, Rochdale's before";
    carry.putBack(layout);
    EXPECT_FALSE(carry.carrying());
    EXPECT_EQ(at(layout.labels[screendata::Oldham]), at(layout.homes[screendata::Oldham]));

    layout.labels[screendata::Wigan] = layout.boxes[screendata::Wigan];
    carry.pickUp(layout, screendata::Wigan);
    carry.move(layout, 1);
    EXPECT_EQ(at(layout.labels[screendata::Wigan]), at(layout.boxes[screendata::Manchester]))
        << "a word in a box moves on from that box";
}

// Every word carried to every stop and dropped lands where a pointer drag of its top-left
// corner to that stop lands.
class KeyboardDrop : public ::testing::TestWithParam<Layout (*)()> {};

TEST_P(KeyboardDrop, EqualsThePointerDropAtThatStop) {
    const Layout start = setUp(GetParam()());
    for (int w = 0; w < int(start.labels.size()); ++w) {
        const std::size_t stops = engine::keyboardStops(start).size();
        for (std::size_t k = 1; k <= stops; ++k) {
            Layout byKeys = start;
            engine::KeyboardCarry carry;
            carry.pickUp(byKeys, w);
            for (std::size_t i = 0; i < k; ++i) {
                carry.move(byKeys, 1);
            }
            Layout byPointer = start;
            Rect& label = byPointer.labels[std::size_t(w)];
            const Rect& target = byKeys.labels[std::size_t(w)];
            engine::drag(label, 1, target.left - label.left + label.width / 2,
                         target.top - label.top + label.height / 2);
            ASSERT_EQ(at(label), at(target));
            EXPECT_EQ(engine::drop(byKeys, carry.end()), engine::drop(byPointer, w));
            EXPECT_EQ(at(byKeys.labels[std::size_t(w)]), at(label));
            EXPECT_GE(engine::drop(byKeys, w), 1) << "a stop catches a word put on it";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryScreen, KeyboardDrop,
                         ::testing::Values(screendata::boroughMap, screendata::industries,
                                           screendata::sentenceCompletion, screendata::trueFalse));

struct PlaceCase {
    const char* name;
    Layout (*layout)();
    int word;
    int box; // -1: its own home slot; -2: somewhere in the open
    std::vector<engine::Caption> texts;
    const char* expected;
};

void PrintTo(const PlaceCase& c, std::ostream* os) {
    *os << c.name;
}

class Place : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(Place, SaysWhereTheWordLies) {
    const PlaceCase& c = GetParam();
    Layout layout = setUp(c.layout());
    Rect& word = layout.labels[std::size_t(c.word)];
    if (c.box >= 0) {
        word = layout.boxes[std::size_t(c.box)];
    } else if (c.box == -2) {
        word.left = 100;
        word.top = 100;
    }
    EXPECT_EQ(engine::describePlace(layout, c.word, c.texts).toStdString(), c.expected);
}

const engine::Caption kRiver{{0, 4440, 7335, 495},
                             QStringLiteral("The principal river of Manchester is")};
const engine::Caption kTrue{{60, 1260, 5865, 435}, QStringLiteral("True")};
const engine::Caption kFar{{0, 4440, 3000, 495}, QStringLiteral("Far away on the line")};

INSTANTIATE_TEST_SUITE_P(
    Words, Place,
    ::testing::Values(PlaceCase{"InABox", screendata::boroughMap, 0, 0, {}, "in box 1 of 5"},
                      PlaceCase{"AfterItsBeginning",
                                screendata::sentenceCompletion,
                                2,
                                2,
                                {kRiver},
                                "in box 5 of 6, after \"The principal river of Manchester is\""},
                      PlaceCase{"NotAfterATextFarToTheLeft",
                                screendata::sentenceCompletion,
                                2,
                                2,
                                {kFar},
                                "in box 5 of 6"},
                      PlaceCase{"UnderItsColumnsHeading",
                                screendata::trueFalse,
                                9,
                                9,
                                {kTrue},
                                "in box 9 of 10, under \"True\""},
                      PlaceCase{
                          "InTheWordList", screendata::industries, 1, -1, {}, "in the word list"},
                      PlaceCase{"InTheOpen", screendata::industries, 1, -2, {}, "not in a box"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
