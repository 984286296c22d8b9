// Dragging, dropping, scoring and the buttons of the activity screens, through real
// mouse input.
#include "activitytest.h"
#include "quiz/welldone.h"

namespace {

const QString kClick = QStringLiteral("wav\\click.wav");

// Borough map word indices.
enum { Rochdale, Stockport, Wigan, Manchester, Oldham };

TEST_F(ActivityTest, MovesOutsideThePressedLabelKeepDraggingIt) {
    LabellingScreen& s = open<manchester1lab>();
    forms::Label& oldham = s.Label2[Oldham];
    press(centreOf(oldham));
    const QPoint far(600, 100); // over the map, far from the label
    moveTo(far);
    // The label's centre jumps to the pointer, to within the rounding of one pixel.
    EXPECT_NEAR(oldham.Left() + oldham.Width() / 2, 600 * 15, 15);
    EXPECT_NEAR(oldham.Top() + oldham.Height() / 2, 100 * 15, 15);
    moveTo(QPoint(620, 130));
    EXPECT_NEAR(oldham.Left() + oldham.Width() / 2, 620 * 15, 15);
    EXPECT_NEAR(oldham.Top() + oldham.Height() / 2, 130 * 15, 15);
    release(QPoint(620, 130));
}

TEST_F(ActivityTest, ADroppedLabelSnapsIntoItsBoxWithOneThud) {
    LabellingScreen& s = open<manchester1lab>();
    place(s, Rochdale, Rochdale);
    EXPECT_EQ(s.Label2[Rochdale].Left(), 7530.0f);
    EXPECT_EQ(s.Label2[Rochdale].Top(), 1800.0f);
    EXPECT_EQ(thuds(), 1);
    EXPECT_EQ(display.childAt(centreOf(s.Label1[Rochdale])), &s.Label2[Rochdale]);
    // Snapped labels can be dragged out again, and dropped away from everything they
    // stay exactly where they were let go, partly off the screen if need be.
    dragTo(s.Label2[Rochdale], QPoint(795, 330));
    EXPECT_GT(s.Label2[Rochdale].Left() + s.Label2[Rochdale].Width(), 12000.0f);
    EXPECT_EQ(thuds(), 1);
}

TEST_F(ActivityTest, RightButtonDoesNotDragButItsReleaseDrops) {
    LabellingScreen& s = open<manchester1lab>();
    forms::Label& wigan = s.Label2[Wigan];
    dragTo(wigan, centreOf(s.Label1[Wigan].rect()), Qt::RightButton);
    EXPECT_EQ(wigan.Left(), 840.0f);
    EXPECT_EQ(wigan.Top(), 6360.0f);
    EXPECT_EQ(thuds(), 1) << "the release snaps it onto its own home slot again";

    // Left held, right pressed and released on the way: both buttons held means no drag,
    // and the right button's release already runs the drop test.
    press(centreOf(wigan));
    moveTo(QPoint(300, 200));
    const float left = wigan.Left();
    QTest::mousePress(display.windowHandle(), Qt::RightButton, {}, QPoint(300, 200));
    moveTo(QPoint(500, 300));
    EXPECT_EQ(wigan.Left(), left);
    QTest::mouseRelease(display.windowHandle(), Qt::RightButton, {}, QPoint(500, 300));
    release(QPoint(500, 300));
    EXPECT_EQ(thuds(), 1) << "dropped in the open twice: no snap";
}

TEST_F(ActivityTest, MapNamesCannotBeDragged) {
    LabellingScreen& s = open<manchester1lab>();
    forms::Label& bury = s.Label5[7];
    const forms::TwipRect before = bury.rect();
    const engine::Layout layout = s.layout();
    dragTo(bury, QPoint(100, 500));
    EXPECT_EQ(bury.rect().left, before.left);
    EXPECT_EQ(bury.rect().top, before.top);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(s.Label2[i].Left(), layout.labels[size_t(i)].left) << i;
    }
    EXPECT_EQ(thuds(), 0);
}

TEST_F(ActivityTest, AllPlacedShowsCheckScoreAndTheResultsOverTheActivity) {
    LabellingScreen& s = open<manchester1lab>();
    for (int i : {Oldham, Stockport, Manchester, Rochdale}) {
        place(s, i, i);
        EXPECT_FALSE(s.Label3[2].Visible()) << i;
    }
    place(s, Wigan, Wigan);
    EXPECT_EQ(thuds(), 5);
    ASSERT_TRUE(s.Label3[2].Visible());
    const engine::Layout placed = s.layout();

    sound.played.clear();
    click(s.Label3[2]);
    auto* results = forms.loaded<Welldone>();
    ASSERT_NE(results, nullptr);
    EXPECT_EQ(top(), results);
    EXPECT_EQ(state.score, 5);
    EXPECT_TRUE(results->Label1.Caption().contains(QStringLiteral("5 out of 5")))
        << results->Label1.Caption().toStdString();
    EXPECT_EQ(sound.played, QStringList{kClick});
    // The activity stays as it was underneath.
    EXPECT_TRUE(isLoaded<manchester1lab>());
    EXPECT_TRUE(s.isVisible());
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(s.Label2[i].Left(), placed.labels[size_t(i)].left);
        EXPECT_EQ(s.Label2[i].Top(), placed.labels[size_t(i)].top);
    }
    EXPECT_TRUE(s.Label3[2].Visible());
    // Leaving the results uncovers the activity just as it was.
    click(results->Label3[1]);
    settle();
    EXPECT_EQ(top(), &s);
    EXPECT_EQ(s.Label2[Oldham].Left(), 8640.0f);
}

TEST_F(ActivityTest, SwappingOldhamAndRochdaleScoresThreeEveryTime) {
    LabellingScreen& s = open<manchester1lab>();
    place(s, Oldham, Rochdale);
    place(s, Rochdale, Oldham);
    for (int i : {Stockport, Wigan, Manchester}) {
        place(s, i, i);
    }
    ASSERT_TRUE(s.Label3[2].Visible());
    s.Label3_Click(2);
    EXPECT_EQ(state.score, 3);
    s.Label3_Click(2);
    EXPECT_EQ(state.score, 3);
}

TEST_F(ActivityTest, CheckScoreStaysOnceShownAndStartAgainRestores) {
    LabellingScreen& s = open<manchester1lab>();
    const engine::Layout opening = s.layout();
    for (int i = 0; i < 5; ++i) {
        place(s, i, i);
    }
    ASSERT_TRUE(s.Label3[2].Visible());
    dragTo(s.Label2[Wigan], centreOf(s.Label4[Oldham].rect())); // into another home slot
    EXPECT_EQ(s.Label2[Wigan].Top(), opening.homes[Oldham].top);
    EXPECT_TRUE(s.Label3[2].Visible()) << "a drop never hides Check Score";

    state.score = 4;
    sound.played.clear();
    click(s.Label3[1]);
    EXPECT_EQ(state.score, 0);
    EXPECT_FALSE(s.Label3[2].Visible());
    EXPECT_EQ(sound.played, QStringList{kClick});
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(s.Label2[i].Left(), opening.labels[size_t(i)].left) << i;
        EXPECT_EQ(s.Label2[i].Top(), opening.labels[size_t(i)].top) << i;
    }
}

TEST_F(ActivityTest, ExitUnloadsAndTheNextOpeningStartsAfresh) {
    LabellingScreen& s = open<manchester1lab>();
    place(s, Wigan, Wigan);
    state.score = 2;
    sound.played.clear();
    click(s.Label3[0]);
    settle();
    EXPECT_FALSE(isLoaded<manchester1lab>());
    EXPECT_EQ(state.score, 0);
    EXPECT_EQ(sound.played, QStringList{kClick});
    LabellingScreen& again = open<manchester1lab>();
    EXPECT_EQ(again.Label2[Wigan].Left(), 840.0f);
}

TEST_F(ActivityTest, TwoLabelsInOneBoxCountTowardReadiness) {
    LabellingScreen& s = open<manchester2lab>();
    place(s, 0, 0);
    place(s, 1, 0);
    place(s, 2, 2);
    EXPECT_FALSE(s.Label3[2].Visible());
    place(s, 3, 3);
    EXPECT_TRUE(s.Label3[2].Visible()) << "box 1 is still empty";
    s.Label3_Click(2);
    EXPECT_EQ(state.score, 3);
}

TEST_F(ActivityTest, TrueFalseScoresByColumn) {
    OrderingScreen& s = open<manchester2ord>();
    // Own columns, in an order within each column that is not the statements' own.
    for (int i = 0; i < 10; ++i) {
        place(s, i, i < 5 ? 4 - i : 14 - i);
    }
    ASSERT_TRUE(s.Label3[2].Visible());
    click(s.Label3[2]);
    EXPECT_EQ(state.score, 10);
    EXPECT_TRUE(
        forms.loaded<Welldone>()->Label1.Caption().contains(QStringLiteral("10 out of 10")));
    forms.unload<Welldone>();
    settle();

    click(s.Label3[1]);
    for (int i = 0; i < 10; ++i) {
        place(s, i, (i + 5) % 10); // every statement in the wrong column
    }
    ASSERT_TRUE(s.Label3[2].Visible());
    s.Label3_Click(2);
    EXPECT_EQ(state.score, 0);
}

TEST_F(ActivityTest, SentenceEndingsSwappedScoreFour) {
    OrderingScreen& s = open<manchester1ord>();
    for (int i = 0; i < 6; ++i) {
        place(s, i, i == 0 ? 2 : i == 2 ? 0 : i);
    }
    s.Label3_Click(2);
    EXPECT_EQ(state.score, 4);
}

TEST_F(ActivityTest, NoSoundsWhenSoundIsOff) {
    state.soundon = 0;
    LabellingScreen& s = open<manchester1lab>();
    place(s, Wigan, Wigan);
    click(s.Label3[1]);
    EXPECT_TRUE(sound.played.isEmpty());
    EXPECT_EQ(s.Label2[Wigan].Left(), 840.0f);
}

TEST_F(ActivityTest, ButtonsLightUnderThePointerAndDimOverTheBackground) {
    OrderingScreen& s = open<manchester1ord>();
    moveTo(centreOf(s.Label3[1]));
    EXPECT_EQ(s.Label3[1].backStyle(), forms::BackStyle::Opaque);
    moveTo(QPoint(400, 385)); // bare background, between the boxes and the word labels
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(s.Label3[i].backStyle(), forms::BackStyle::Transparent) << i;
    }
}

} // namespace
