// The catalogue's list: opening, pages, tick boxes, hover and Exit; and the main menu's
// start-up read of the register.
#include "authoring/worksheets.h"
#include "authoringfixture.h"
#include "shell/intro0.h"

namespace authoringtest {
namespace {

QStringList numberedTitles(int n) {
    QStringList titles;
    for (int i = 1; i <= n; ++i) {
        titles << QStringLiteral("Worksheet %1").arg(i);
    }
    return titles;
}

class WorksheetsTest : public AuthoringFixture {
protected:
    worksheets& open(int titles) {
        writeRegister(numberedTitles(titles));
        return forms.show<worksheets>();
    }
};

TEST_F(WorksheetsTest, OpensOnPageOneInItsDesign) {
    worksheets& w = open(3);
    EXPECT_EQ(top(), &w);
    EXPECT_EQ(shown(w), numberedTitles(3));
    EXPECT_EQ(w.Label4.Caption(), QStringLiteral("Page 1"));
    EXPECT_EQ(box(w.Label2[1].rect()), box({120, 720, 5715, 375}));
    EXPECT_EQ(box(w.Label2[7].rect()), box({120, 720 + 6 * 600, 5685, 375}));
    EXPECT_EQ(box(w.Label2[15].rect()), box({6120, 720 + 2 * 600, 5685, 375}));
    EXPECT_EQ(box(w.Label2[24].rect()), box({6120, 720 + 11 * 600, 5715, 375}));
    EXPECT_FLOAT_EQ(w.Label2[5].fontSpec().size, 12);
    EXPECT_EQ(w.Check1.Value() + w.Check2.Value(), 0);
    EXPECT_EQ(w.Check2.palette().color(QPalette::Window), QColor(39, 63, 137));
    EXPECT_EQ(state.catpage, 0);
}

struct Paging {
    int titles;
    int nextClicks;
    QString caption;
    int firstShown; // 0 when the page is empty
    int shownCount;
    bool previous, next;
};

class PagingTest : public WorksheetsTest, public ::testing::WithParamInterface<Paging> {};

TEST_P(PagingTest, ShowsTheTitlesOfThePage) {
    const Paging& p = GetParam();
    worksheets& w = open(p.titles);
    for (int i = 0; i < p.nextClicks; ++i) {
        ASSERT_TRUE(w.Label3[1].Visible()) << "click " << i;
        click(w.Label3[1]);
    }
    EXPECT_EQ(w.Label4.Caption(), p.caption);
    EXPECT_EQ(shown(w), numberedTitles(p.firstShown + p.shownCount - 1).mid(p.firstShown - 1));
    EXPECT_EQ(w.Label3[0].Visible(), p.previous);
    EXPECT_EQ(w.Label3[1].Visible(), p.next);
    EXPECT_EQ(sound.played.size(), p.nextClicks);
}

INSTANTIATE_TEST_SUITE_P(
    Registers, PagingTest,
    ::testing::Values(Paging{0, 0, QStringLiteral("Page 1"), 1, 0, false, false},
                      Paging{24, 0, QStringLiteral("Page 1"), 1, 24, false, false},
                      Paging{25, 0, QStringLiteral("Page 1"), 1, 24, false, true},
                      Paging{25, 1, QStringLiteral("Page 2"), 25, 1, true, false},
                      Paging{48, 1, QStringLiteral("Page 2"), 25, 24, true, false},
                      Paging{1000, 40, QStringLiteral("Page 41"), 961, 24, true, false},
                      Paging{985, 39, QStringLiteral("Page 40"), 937, 24, true, true}),
    [](const auto& info) {
        return "Titles" + std::to_string(info.param.titles) + "Next" +
               std::to_string(info.param.nextClicks);
    });

TEST_F(WorksheetsTest, PreviousPageGoesBack) {
    worksheets& w = open(60);
    click(w.Label3[1]);
    click(w.Label3[1]);
    click(w.Label3[0]);
    EXPECT_EQ(state.catpage, 1);
    EXPECT_EQ(w.Label4.Caption(), QStringLiteral("Page 2"));
    EXPECT_EQ(shown(w), numberedTitles(48).mid(24));
    EXPECT_TRUE(w.Label3[0].Visible());
    EXPECT_TRUE(w.Label3[1].Visible());
}

TEST_F(WorksheetsTest, AMissingRegisterGivesAnEmptyList) {
    QFile::remove(path(QStringLiteral("multiple/track.txt")));
    worksheets& w = forms.show<worksheets>();
    EXPECT_TRUE(shown(w).isEmpty());
    EXPECT_FALSE(w.Label3[1].Visible());
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(WorksheetsTest, AnAmpersandOfTheRegisterShowsAsAComma) {
    writeRegister({QStringLiteral("Rivers & Seas")});
    worksheets& w = forms.show<worksheets>();
    EXPECT_EQ(shown(w), QStringList{QStringLiteral("Rivers , Seas")});
}

TEST_F(WorksheetsTest, TheTwoTickBoxesExcludeEachOther) {
    worksheets& w = open(1);
    click(w.Check2);
    click(w.Check1);
    EXPECT_EQ(w.Check1.Value(), 1);
    EXPECT_EQ(w.Check2.Value(), 0);
    click(w.Check2);
    EXPECT_EQ(w.Check1.Value(), 0);
    EXPECT_EQ(w.Check2.Value(), 1);
    click(w.Check2);
    EXPECT_EQ(w.Check1.Value() + w.Check2.Value(), 0);
}

TEST_F(WorksheetsTest, TitlesLightUnderThePointerButPageButtonsDoNot) {
    worksheets& w = open(30);
    moveTo(6000, 8700); // background
    for (int i = 0; i <= 24; ++i) {
        EXPECT_EQ(w.Label2[i].backStyle(), forms::BackStyle::Transparent) << i;
    }
    moveTo(120 + 100, 720 + 600 * 2 + 100); // Label2(3)
    moveTo(6120 + 100, 720 + 100);          // Label2(13)
    moveTo(6000 + 100, 7920 + 100);         // Next Page
    EXPECT_EQ(w.Label2[3].backStyle(), forms::BackStyle::Opaque);
    EXPECT_EQ(w.Label2[13].backStyle(), forms::BackStyle::Opaque);
    EXPECT_EQ(w.Label2[4].backStyle(), forms::BackStyle::Transparent);
    EXPECT_EQ(w.Label3[1].backStyle(), forms::BackStyle::Opaque) << "no hover: as designed";
    moveTo(6000, 8700);
    EXPECT_EQ(w.Label2[3].backStyle(), forms::BackStyle::Transparent);
    EXPECT_EQ(w.Label3[1].backStyle(), forms::BackStyle::Opaque);
}

TEST_F(WorksheetsTest, TheMenuOpensTheCatalogueAndClosesItself) {
    writeRegister(numberedTitles(2));
    intro0& menu = forms.show<intro0>();
    click(menu.Label2[18]);
    settle();
    ASSERT_TRUE(forms.isLoaded<worksheets>());
    EXPECT_EQ(top(), forms.loaded<worksheets>());
    EXPECT_FALSE(forms.isLoaded<intro0>());
    EXPECT_EQ(shown(*forms.loaded<worksheets>()), numberedTitles(2));
    EXPECT_EQ(sound.played, QStringList{kClick});
}

TEST_F(WorksheetsTest, ExitClicksBeforeTheMenuLoadsAgain) {
    worksheets& w = open(2);
    state.soundon = 0;
    click(w.Label2[0]);
    settle();
    EXPECT_FALSE(forms.isLoaded<worksheets>());
    ASSERT_TRUE(forms.isLoaded<intro0>());
    EXPECT_EQ(top(), forms.loaded<intro0>());
    EXPECT_TRUE(sound.played.isEmpty()) << "the click came before the menu turned sound on";
    EXPECT_EQ(state.soundon, 1);
}

TEST_F(WorksheetsTest, TheMenuReadsTheRegisterOnceLoaded) {
    writeRegister({QStringLiteral("Rivers & Seas"), QStringLiteral("Hills")});
    intro0& menu = forms.show<intro0>();
    EXPECT_FALSE(state.worksheetcount.has_value()) << "not inside Form_Load";
    settle(20);
    EXPECT_EQ(state.worksheetcount, 2);
    EXPECT_EQ(state.worksheetnames[1], QStringLiteral("Rivers & Seas")) << "as stored";
    EXPECT_EQ(state.worksheetnames[2], QStringLiteral("Hills"));
    EXPECT_FALSE(menu.Timer1.Enabled());
}

TEST_F(WorksheetsTest, TheMenuWorksOnWithoutARegister) {
    QFile::remove(path(QStringLiteral("multiple/track.txt")));
    intro0& menu = forms.show<intro0>();
    settle(20);
    EXPECT_FALSE(state.worksheetcount.has_value());
    EXPECT_FALSE(menu.Timer1.Enabled());
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

} // namespace
} // namespace authoringtest
