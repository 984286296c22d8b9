// The Teachers' Guide: opening, turning through five pages, printing, hover reset.
#include "reading/guide.h"
#include "reading/pagefixture.h"
#include "shell/intro0.h"

namespace {

class GuideTest : public PageFixture {
protected:
    // The guide as the main menu's "Teachers' Guide" entry opens it, by a real click.
    guide& open() {
        emptyFolder(QStringLiteral("wmf"));
        emptyFolder(QStringLiteral("wmf2"));
        writeGuidePages();
        menu = &forms.show<intro0>();
        click(menu->Label2[20]);
        guide* g = forms.loaded<guide>();
        EXPECT_NE(g, nullptr);
        return *g;
    }

    void expectPage(guide& g, int page) {
        EXPECT_EQ(state.pageno, page);
        EXPECT_EQ(g.Label1.Caption(), QStringLiteral("Page %1 of 5").arg(page));
        EXPECT_EQ(sizeOf(g.Image1.picture()), screenSize(page));
        EXPECT_EQ(sizeOf(g.Image2.picture()), printSize(page));
        EXPECT_EQ(enabled(g.Label3[2]), page != 5) << "Next Page on page " << page;
        EXPECT_EQ(enabled(g.Label3[3]), page != 1) << "Previous Page on page " << page;
    }

    intro0* menu = nullptr;
};

TEST_F(GuideTest, OpensOnPageOneOverTheMenu) {
    guide& g = open();
    EXPECT_EQ(top(), &g);
    expectPage(g, 1);
    EXPECT_FALSE(g.Image2.Visible());
    EXPECT_FLOAT_EQ(g.Image1.Left(), 120);
    EXPECT_FLOAT_EQ(g.Image2.Top(), -240);
    EXPECT_EQ(g.Label2.Caption(), QString());
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(GuideTest, TurnsToTheLastPageAndBack) {
    guide& g = open();
    for (int page = 2; page <= 5; ++page) {
        click(g.Label3[2]);
        expectPage(g, page);
    }
    click(g.Label3[3]);
    expectPage(g, 4);
    click(g.Label3[2]);
    expectPage(g, 5);
}

TEST_F(GuideTest, PrintOnAnyPagePrintsThatPagesPrintDrawing) {
    guide& g = open();
    for (int page = 1; page <= 3; ++page) {
        printer.log.clear();
        click(g.Label3[0]);
        EXPECT_EQ(printer.log, printedPage(printSize(page)));
        click(g.Label3[2]);
    }
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(GuideTest, FailingPrinterIsReportedAndNothingChanges) {
    guide& g = open();
    click(g.Label3[2]);
    printer.failAtOperation = 2;
    click(g.Label3[0]);
    EXPECT_EQ(dialogs.texts(), QStringList{kPrintProblem});
    EXPECT_EQ(printer.jobsEnded, 0);
    expectPage(g, 2);
    EXPECT_EQ(top(), &g);
}

TEST_F(GuideTest, MissingPageKeepsThePageOnShow) {
    guide& g = open();
    QFile::remove(path(QStringLiteral("wmf2/guide2.wmf")));
    click(g.Label3[2]);
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(dialogs.texts()[0].contains(QStringLiteral("wmf2\\guide2.wmf")));
    expectPage(g, 1);
}

TEST_F(GuideTest, MissingFirstPageLeavesTheMenu) {
    emptyFolder(QStringLiteral("wmf"));
    emptyFolder(QStringLiteral("wmf2"));
    menu = &forms.show<intro0>();
    click(menu->Label2[20]);
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(dialogs.texts()[0].contains(QStringLiteral("wmf\\guide1.wmf")));
    EXPECT_FALSE(forms.isLoaded<guide>());
    EXPECT_EQ(top(), menu);
}

TEST_F(GuideTest, OnlyTheBackgroundResetsTheButtons) {
    guide& g = open();
    const auto opaque = [&] {
        int n = 0;
        g.Label3.forEach(
            [&](int, forms::Label& l) { n += l.backStyle() == forms::BackStyle::Opaque; });
        return n;
    };
    moveTo(11200, 8100); // over Exit: no highlight of its own
    EXPECT_EQ(opaque(), 4);
    moveTo(11200, 4000); // the screen's background
    EXPECT_EQ(opaque(), 0);
    moveTo(11200, 8100);
    moveTo(11200, 300); // Print
    EXPECT_EQ(opaque(), 0) << "a button never lights up again";
}

TEST_F(GuideTest, ExitReturnsToTheMenuAndTheNextOpeningStartsAfresh) {
    guide& g = open();
    click(g.Label3[2]);
    click(g.Label3[1]);
    settle();
    EXPECT_FALSE(forms.isLoaded<guide>());
    EXPECT_EQ(top(), menu);
    click(menu->Label2[20]);
    expectPage(*forms.loaded<guide>(), 1);
}

} // namespace
