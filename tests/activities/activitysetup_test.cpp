// What the four activity screens look like once they have loaded, and how the case-study
// menus open them.
#include "activitytest.h"
#include "shell/casestudymenu.h"
#include "support/casestudyscreens.h"

namespace {

struct ScreenCase {
    const char* name;
    ActivityScreen& (*open)(ActivityTest&);
    int n;
    QString firstWord;      // carried by word label 0
    forms::TwipRect oldham; // a word label's design start, with its index
    int startIndex;
    bool wordsLeftAligned;
};

class SetUpTest : public ActivityTest, public ::testing::WithParamInterface<ScreenCase> {
public:
    template <class S> static ActivityScreen& openAs(ActivityTest& t);
    ActivityScreen& screen() { return GetParam().open(*this); }
};

template <class S> ActivityScreen& SetUpTest::openAs(ActivityTest& t) {
    return static_cast<SetUpTest&>(t).open<S>();
}

const ScreenCase kCases[] = {
    {"BoroughMap",
     &SetUpTest::openAs<manchester1lab>,
     5,
     "Rochdale",
     {840, 4440, 1560, 375},
     4,
     false},
    {"Industries",
     &SetUpTest::openAs<manchester2lab>,
     4,
     "Cotton Mills",
     {960, 2400, 2235, 375},
     3,
     false},
    {"Sentences", &SetUpTest::openAs<manchester1ord>, 6, "trams.", {120, 6780, 3795, 435}, 5, true},
    {"TrueFalse",
     &SetUpTest::openAs<manchester2ord>,
     10,
     "Car manufacturing is a big industry in Manchester.",
     {6120, 6360, 5685, 375},
     8,
     false},
};

TEST_P(SetUpTest, WordsMoveFromTheBoxesOntoTheLabelsWhichLieOverTheirHomeSlots) {
    const ScreenCase& c = GetParam();
    ActivityScreen& s = screen();
    EXPECT_EQ(state.maxscore, c.n);
    EXPECT_EQ(s.Label2[0].Caption(), c.firstWord);
    const forms::Label& start = s.Label2[c.startIndex];
    EXPECT_EQ(start.Left(), c.oldham.left);
    EXPECT_EQ(start.Top(), c.oldham.top);
    EXPECT_EQ(start.alignment(), c.wordsLeftAligned ? forms::Align::Left : forms::Align::Center);
    for (int i = 0; i < c.n; ++i) {
        SCOPED_TRACE(i);
        const forms::Label& word = s.Label2[i];
        const forms::Label& box = s.Label1[i];
        const forms::Label& home = s.Label4[i];
        EXPECT_FALSE(word.Caption().isEmpty());
        EXPECT_TRUE(box.Caption().isEmpty());
        EXPECT_EQ(box.backStyle(), forms::BackStyle::Transparent);
        EXPECT_EQ(home.backStyle(), forms::BackStyle::Transparent);
        EXPECT_EQ(word.backStyle(), forms::BackStyle::Opaque);
        EXPECT_EQ(word.Width(), box.Width());
        EXPECT_EQ(word.Height(), box.Height());
        EXPECT_EQ(home.rect().left, word.Left());
        EXPECT_EQ(home.rect().top, word.Top());
        EXPECT_EQ(home.Width(), word.Width());
        EXPECT_TRUE(word.Visible() && box.Visible() && home.Visible());
    }
    EXPECT_FALSE(s.Label3[2].Visible()) << "Check Score waits for every box to be filled";
    EXPECT_TRUE(s.Label3[0].Visible() && s.Label3[1].Visible());
}

TEST_P(SetUpTest, EveryWordLabelTakesThePressOverItsHomeSlot) {
    ActivityScreen& s = screen();
    for (int i = 0; i < GetParam().n; ++i) {
        EXPECT_EQ(display.childAt(centreOf(s.Label2[i])), &s.Label2[i]) << i;
    }
    EXPECT_EQ(display.childAt(centreOf(s.Label3[0])), &s.Label3[0]) << "buttons lie over pictures";
}

INSTANTIATE_TEST_SUITE_P(Screens, SetUpTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ActivityTest, BoroughMapIsDarkBlueWithItsMapUnderTheNames) {
    LabellingScreen& s = open<manchester1lab>();
    EXPECT_EQ(s.backColor(), QColor(0, 51, 154));
    ASSERT_TRUE(s.Image1.contains(0));
    EXPECT_FALSE(s.Image1[0].picture().isNull());
    EXPECT_EQ(s.Image1[0].rect().top, -360);
    EXPECT_EQ(s.Label5[7].Caption(), QStringLiteral("Bury"));
    EXPECT_EQ(display.childAt(centreOf(s.Label5[7])), &s.Label5[7]) << "names lie over the map";
    ASSERT_NE(s.Label7, nullptr);
    EXPECT_EQ(s.Label8, nullptr);
    EXPECT_TRUE(dialogs.shown.isEmpty()) << "no picture was reported missing";
}

TEST_F(ActivityTest, IndustryPicturesLoadAndAMissingOneIsReportedOnce) {
    emptyFolder(QStringLiteral("images"));
    LabellingScreen& s = open<manchester2lab>(QStringLiteral("Manchester: Development"));
    EXPECT_EQ(dialogs.shown.size(), 4) << "each of the four pictures is missing";
    EXPECT_EQ(s.Label2[3].Caption(), QStringLiteral("Banking")) << "set-up went on";
    forms.unload<manchester2lab::Class>(manchester2lab::id());
    settle();
    open<manchester2lab>();
    EXPECT_EQ(dialogs.shown.size(), 4);
}

TEST_F(ActivityTest, TrueFalseStatementsUseATypographicApostrophe) {
    OrderingScreen& s = open<manchester2ord>();
    EXPECT_EQ(s.Label2[4].Caption(),
              QString::fromUtf8("All Manchester\u2019s mills have been destroyed."));
    EXPECT_EQ(s.Label2[6].Caption(),
              QString::fromUtf8("James Brindley built Manchester\u2019s first canal."));
    EXPECT_EQ(s.Label5[2].Caption(), QStringLiteral("False"));
}

// The menus pass their own titles: the entries are clicked with the real mouse.
TEST_F(ActivityTest, MenusOpenTheirActivitiesUnderTheirOwnTitles) {
    CaseStudyMenu& facts = casestudyscreens::show<manchester1>(program);
    click(facts.label3[1]);
    auto* lab = loaded<manchester1lab>();
    ASSERT_NE(lab, nullptr);
    EXPECT_EQ(top(), lab);
    EXPECT_EQ(lab->Label6.Caption(), QStringLiteral("Manchester: The Facts"));
    EXPECT_TRUE(isLoaded<manchester1>()) << "the menu stays underneath";
    EXPECT_EQ(sound.played, QStringList{QStringLiteral("wav\\click.wav")});

    CaseStudyMenu& development = casestudyscreens::show<manchester2>(program);
    click(development.label3[3]);
    auto* ord = loaded<manchester2ord>();
    ASSERT_NE(ord, nullptr);
    EXPECT_EQ(top(), ord);
    EXPECT_EQ(ord->Label6.Caption(), QStringLiteral("Manchester: Development"));
}

} // namespace
