// Opening the reading screens from the real menus, on the shipped pages and pictures.
#include "media/pictures/pictures.h"
#include "reading/pagefixture.h"
#include "reading/teacher.h"
#include "shell/casestudymenu.h"
#include "shell/intro0.h"
#include "support/casestudyscreens.h"

namespace {

const QString kClick = QStringLiteral("wav\\click.wav");

class MenusTest : public PageFixture {
protected:
    template <class Menu> CaseStudyMenu& openMenu(int entry) {
        menu = &forms.show<intro0>();
        click(menu->Label2[entry]);
        CaseStudyMenu* m = loaded<Menu>();
        EXPECT_NE(m, nullptr);
        EXPECT_EQ(top(), m);
        return *m;
    }
    QSize shippedSize(const QString& name) {
        const auto p = pictures.load(name);
        EXPECT_TRUE(p.has_value()) << name.toStdString();
        return p ? sizeOf(*p) : QSize();
    }

    intro0* menu = nullptr;
};

struct KeyFactsCase {
    const char* name;
    int menuEntry;
    float pictureLeft;
    int pagecount;
    const char* pageset;
};

class KeyFacts : public MenusTest, public ::testing::WithParamInterface<KeyFactsCase> {};

TEST_P(KeyFacts, OpensOnPageOneAndExitsToTheMenu) {
    const KeyFactsCase& c = GetParam();
    CaseStudyMenu& m = c.menuEntry == 3 ? openMenu<manchester1>(3) : openMenu<manchester2>(4);
    EXPECT_FLOAT_EQ(m.Image1.Left(), c.pictureLeft);
    sound.played.clear();
    click(m.label3[4]);
    teacher* v = forms.loaded<teacher>();
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(top(), v);
    EXPECT_EQ(state.pagecount, c.pagecount);
    EXPECT_EQ(state.pageset, QString::fromUtf8(c.pageset));
    EXPECT_EQ(v->Label1.Caption(), QStringLiteral("Page 1 of %1").arg(c.pagecount));
    EXPECT_TRUE(v->Label1.Visible());
    const QString first = QString::fromUtf8(c.pageset) + QStringLiteral("a.wmf");
    EXPECT_EQ(sizeOf(v->Image1.picture()), shippedSize(QStringLiteral("wmf\\") + first));
    EXPECT_EQ(sizeOf(v->Image2.picture()), shippedSize(QStringLiteral("wmf2\\") + first));
    EXPECT_EQ(sound.played, QStringList{kClick}) << "the click follows the opening";

    click(v->Label3[2]);
    EXPECT_EQ(v->Label1.Caption(), QStringLiteral("Page 2 of %1").arg(c.pagecount));
    click(v->Label3[1]);
    settle();
    EXPECT_FALSE(forms.isLoaded<teacher>());
    EXPECT_EQ(top(), &m);
    EXPECT_TRUE(dialogs.shown.isEmpty()) << dialogs.texts().join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Menus, KeyFacts,
                         ::testing::Values(KeyFactsCase{"Facts", 3, 1095.0f, 2, "key manchester1"},
                                           KeyFactsCase{"Development", 4, 2302.5f, 3,
                                                        "key manchester2"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MenusTest, TeachersNotesOpenAOnePageSet) {
    CaseStudyMenu& m = openMenu<manchester2>(4);
    click(m.label3[5]);
    teacher* v = forms.loaded<teacher>();
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(top(), v);
    EXPECT_EQ(state.pagecount, 1);
    EXPECT_EQ(state.pageset, QStringLiteral("manchester2"));
    EXPECT_FALSE(v->Label1.Visible());
    EXPECT_FALSE(v->Label3[2].Visible());
    EXPECT_FALSE(v->Label3[3].Visible());
    EXPECT_EQ(sizeOf(v->Image2.picture()), shippedSize(QStringLiteral("wmf2\\manchester2.wmf")));
    click(v->Label3[0]);
    EXPECT_EQ(printer.log, printedPage(shippedSize(QStringLiteral("wmf2\\manchester2.wmf"))));
}

TEST_F(MenusTest, MissingFirstPageReportsAndStaysOnTheMenu) {
    writePages(QStringLiteral("other"), 1); // empties wmf and wmf2
    CaseStudyMenu& m = openMenu<manchester1>(3);
    state.pagecount = 7;
    click(m.label3[4]);
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(dialogs.texts()[0].contains(QStringLiteral("wmf\\key manchester1a.wmf")));
    EXPECT_FALSE(forms.isLoaded<teacher>());
    EXPECT_EQ(top(), &m);
    EXPECT_EQ(state.pagecount, 7) << "nothing changed";
    click(m.label3[5]);
    EXPECT_EQ(dialogs.shown.size(), 2) << "told at every try";
    EXPECT_FALSE(forms.isLoaded<teacher>());
}

TEST_F(MenusTest, AcknowledgmentsShowTheLogoAnimation) {
    menu = &forms.show<intro0>();
    state.pagecount = 3; // left by an earlier key-facts visit
    click(menu->Label2[19]);
    teacher* v = forms.loaded<teacher>();
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(top(), v);
    EXPECT_EQ(v->backColor(), QColor(49, 130, 212));
    EXPECT_FALSE(v->Label1.Visible());
    EXPECT_FALSE(v->Label3[2].Visible());
    EXPECT_FALSE(v->Label3[3].Visible());
    EXPECT_EQ(state.pagecount, 3);
    EXPECT_TRUE(v->Timer1.Enabled());
    EXPECT_FALSE(v->Picture2.picture().isNull());
    EXPECT_EQ(sizeOf(v->Image1.picture()), shippedSize(QStringLiteral("wmf\\acknowledgments.wmf")));
    EXPECT_EQ(v->Picture1.backColor(), QColor(49, 135, 214));
    v->Timer1.setEnabled(false);
    v->Timer1_Timer();
    EXPECT_FALSE(v->Picture1.picture().isNull());
    EXPECT_TRUE(v->Picture1.Visible());
    click(v->Label3[1]);
    settle();
    EXPECT_EQ(top(), menu);
    EXPECT_TRUE(dialogs.shown.isEmpty()) << dialogs.texts().join('\n').toStdString();
}

TEST_F(MenusTest, MissingAcknowledgmentsPageLeavesTheMenu) {
    emptyFolder(QStringLiteral("wmf2"));
    menu = &forms.show<intro0>();
    click(menu->Label2[19]);
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(dialogs.texts()[0].contains(QStringLiteral("wmf2\\acknowledgments.wmf")));
    EXPECT_FALSE(forms.isLoaded<teacher>());
    EXPECT_EQ(top(), menu);
}

} // namespace
