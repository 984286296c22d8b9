// A finger on a touch screen or an interactive whiteboard does what the mouse does.
#include "inputfixture.h"

#include "quiz/welldone.h"
#include "shell/casestudymenu.h"
#include "support/casestudyscreens.h"

namespace {

enum { Rochdale, Stockport, Wigan, Manchester, Oldham };

class Touch : public InputFixture {
protected:
    void tap(const QWidget& w) {
        if (!m_device) {
            m_device.reset(QTest::createTouchDevice());
        }
        clock += 1000;
        QTest::touchEvent(window(), m_device.get()).press(0, centre(w));
        QTest::touchEvent(window(), m_device.get()).release(0, centre(w));
    }
    LabellingScreen& openMap() {
        tap(toFacts().label3[1]);
        return *loaded<manchester1lab>();
    }
    int scoreOf(LabellingScreen& map, const std::vector<std::pair<int, int>>& wordToBox,
                bool byFinger) {
        for (auto [word, box] : wordToBox) {
            const QPoint target = centre(map.Label1[box].rect());
            byFinger ? touchDrag(map.Label2[word], target) : mouseDrag(map.Label2[word], target);
        }
        tap(map.Label3[2]);
        const int score = state.score;
        tap(loaded<Welldone>()->Label3[1]); // "Exit"
        settle();
        tap(map.Label3[1]); // "Start Again"
        return score;
    }

private:
    std::unique_ptr<QPointingDevice> m_device;
};

TEST_F(Touch, ATapOpensAMenuEntryAndAFingerDragScoresAsTheMouse) {
    LabellingScreen& map = openMap();
    ASSERT_EQ(top(), &map) << "a tap on \"Labelling Activity\"";
    const std::vector<std::pair<int, int>> right = {{Rochdale, Rochdale},
                                                    {Stockport, Stockport},
                                                    {Wigan, Wigan},
                                                    {Manchester, Manchester},
                                                    {Oldham, Oldham}};
    const std::vector<std::pair<int, int>> swapped = {{Rochdale, Oldham},
                                                      {Stockport, Stockport},
                                                      {Wigan, Wigan},
                                                      {Manchester, Manchester},
                                                      {Oldham, Rochdale}};
    EXPECT_EQ(scoreOf(map, right, true), 5);
    EXPECT_EQ(scoreOf(map, right, false), 5);
    EXPECT_EQ(scoreOf(map, swapped, true), 3);
    EXPECT_EQ(scoreOf(map, swapped, false), 3);
}

} // namespace
