// The notes page viewer: turning, the counter, printing, failures and the logo
// animation, driven through real clicks and through its handlers.
#include "media/pictures/pictures.h"
#include "reading/pagefixture.h"
#include "reading/teacher.h"

#include <QTest>

namespace {

const QString kSet = QStringLiteral("set");

class ViewerTest : public PageFixture {
protected:
    // Opens the viewer as a case-study menu does, on page 1 of a fixture set.
    teacher& open(int pagecount) {
        writePages(kSet, pagecount);
        state.pagecount = pagecount;
        state.pageset = kSet;
        teacher& v = forms.get<teacher>();
        v.Image1.setPicture(*pictures.load(QStringLiteral("wmf\\seta.wmf")));
        v.Image2.setPicture(*pictures.load(QStringLiteral("wmf2\\seta.wmf")));
        return forms.show<teacher>();
    }

    // What the user sees of the page on show.
    void expectPage(teacher& v, int page, bool next, bool previous) {
        EXPECT_EQ(state.pageno, page);
        EXPECT_EQ(v.Label1.Caption(),
                  QStringLiteral("Page %1 of %2").arg(page).arg(state.pagecount));
        EXPECT_EQ(sizeOf(v.Image1.picture()), screenSize(page));
        EXPECT_EQ(sizeOf(v.Image2.picture()), printSize(page));
        EXPECT_EQ(enabled(v.Label3[2]), next) << "Next Page on page " << page;
        EXPECT_EQ(enabled(v.Label3[3]), previous) << "Previous Page on page " << page;
    }
};

struct Turn {
    int label; // 2 Next Page, 3 Previous Page; 0: just opened
    int page;
    bool next;
    bool previous;
};

struct TurnCase {
    const char* name;
    int pagecount;
    std::vector<Turn> turns;
};

class ViewerTurning : public ViewerTest, public ::testing::WithParamInterface<TurnCase> {};

TEST_P(ViewerTurning, EnabledStatesFollowThePage) {
    teacher& v = open(GetParam().pagecount);
    for (const Turn& t : GetParam().turns) {
        if (t.label) {
            click(v.Label3[t.label]);
        }
        expectPage(v, t.page, t.next, t.previous);
    }
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_TRUE(sound.played.isEmpty()) << "the viewer plays no sounds";
}

INSTANTIATE_TEST_SUITE_P(
    Sets, ViewerTurning,
    ::testing::Values(
        TurnCase{"TwoPages", 2, {{0, 1, true, false}, {2, 2, false, true}, {3, 1, true, false}}},
        TurnCase{"ThreePages",
                 3,
                 {{0, 1, true, false},
                  {2, 2, true, true},
                  {2, 3, false, true},
                  {3, 2, true, true},
                  {3, 1, true, false}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ViewerTest, DisabledPreviousPageDoesNothing) {
    teacher& v = open(2);
    const auto& r = v.Label3[3].rect();
    clickAt(r.left + r.width / 2, r.top + r.height / 2);
    expectPage(v, 1, true, false);
}

TEST_F(ViewerTest, OnePageSetHidesTheCounterAndTurningLabels) {
    teacher& v = open(1);
    EXPECT_FALSE(v.Label1.Visible());
    EXPECT_FALSE(v.Label3[2].Visible());
    EXPECT_FALSE(v.Label3[3].Visible());
    EXPECT_TRUE(v.Label3[0].Visible());
    EXPECT_TRUE(v.Label3[1].Visible());
    EXPECT_FALSE(v.Image2.Visible());
    EXPECT_FALSE(v.Picture1.Visible());
}

TEST_F(ViewerTest, PrintSendsThePrintDrawingOfThePageOnShow) {
    teacher& v = open(3);
    click(v.Label3[2]);
    click(v.Label3[0]);
    EXPECT_EQ(printer.log, printedPage(printSize(2)));
    ASSERT_EQ(printer.pictures.size(), 1);
    EXPECT_EQ(printer.pictures[0].source(), v.Image2.picture().source())
        << "the hidden print image is the source, not the screen image";
    EXPECT_TRUE(dialogs.shown.isEmpty()) << "page prints are not confirmed";
    expectPage(v, 2, true, true);
}

struct PrinterFault {
    const char* name;
    bool noPrinter;
    int failAt;
};

class ViewerPrinterFault : public ViewerTest, public ::testing::WithParamInterface<PrinterFault> {};

TEST_P(ViewerPrinterFault, ReportsAndLeavesThePageAsItWas) {
    teacher& v = open(2);
    click(v.Label3[2]);
    printer.noPrinter = GetParam().noPrinter;
    printer.failAtOperation = GetParam().failAt;
    click(v.Label3[0]);
    EXPECT_EQ(dialogs.texts(), QStringList{kPrintProblem});
    EXPECT_EQ(dialogs.shown.value(0).buttons, media::Buttons::Ok);
    EXPECT_EQ(printer.jobsEnded, 0);
    EXPECT_FALSE(printer.log.contains(QStringLiteral("enddoc")));
    expectPage(v, 2, false, true);
    EXPECT_EQ(top(), &v);
}

INSTANTIATE_TEST_SUITE_P(Faults, ViewerPrinterFault,
                         ::testing::Values(PrinterFault{"NoPrinter", true, 0},
                                           PrinterFault{"AtTheEmptyLine", false, 1},
                                           PrinterFault{"AtThePicture", false, 2},
                                           PrinterFault{"AtTheEnd", false, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

class ViewerMissingPage : public ViewerTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(ViewerMissingPage, TurningStaysOnThePageAndNamesTheFile) {
    teacher& v = open(3);
    const QString missing = QString::fromUtf8(GetParam());
    QFile::remove(path(QString(missing).replace(QLatin1Char('\\'), QLatin1Char('/'))));
    click(v.Label3[2]);
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(dialogs.texts()[0].contains(missing)) << dialogs.texts()[0].toStdString();
    expectPage(v, 1, true, false);
    click(v.Label3[2]);
    EXPECT_EQ(dialogs.shown.size(), 2) << "told again at each try";
}

INSTANTIATE_TEST_SUITE_P(Drawings, ViewerMissingPage,
                         ::testing::Values("wmf\\setb.wmf", "wmf2\\setb.wmf"));

TEST_F(ViewerTest, ExitUncoversTheScreenBeneath) {
    teacher& v = open(2);
    click(v.Label3[1]);
    settle();
    EXPECT_FALSE(forms.isLoaded<teacher>());
    EXPECT_EQ(top(), nullptr);
}

TEST_F(ViewerTest, MouseMovesLeaveTheButtonsBlack) {
    teacher& v = open(2);
    moveTo(11200, 4000); // the screen's background, right of the page
    moveTo(11200, 8100); // Exit
    moveTo(11200, 4000);
    v.Label3.forEach([](int i, forms::Label& l) {
        EXPECT_EQ(l.backStyle(), forms::BackStyle::Opaque) << "Label3(" << i << ")";
    });
}

class LogoAnimation : public ViewerTest {
protected:
    // Opens the acknowledgments page as the main menu does, with the clock stopped so
    // that the test drives every tick.
    teacher& openAcknowledgments() {
        teacher& v = forms.get<teacher>();
        v.Timer1.setEnabled(true);
        forms.show<teacher>();
        v.Timer1.setEnabled(false);
        return v;
    }
    static int frameOnShow(const teacher& v) {
        return int(v.Picture1.picture().sizeTwips().width() / 15) - 10;
    }
};

TEST_F(LogoAnimation, TwentyFramesThenContinuesAtTheNextOpening) {
    writeLogoFrames();
    teacher* v = &openAcknowledgments();
    EXPECT_EQ(v->Timer1.Interval(), 25);
    EXPECT_FALSE(v->Picture1.Visible());
    std::vector<int> shown;
    for (int tick = 0; tick < 21; ++tick) {
        v->Timer1_Timer();
        shown.push_back(frameOnShow(*v));
    }
    std::vector<int> expected;
    for (int f = 1; f < 20; ++f) {
        expected.push_back(f);
    }
    expected.insert(expected.end(), {0, 1});
    EXPECT_EQ(shown, expected);
    EXPECT_TRUE(v->Picture1.Visible());
    EXPECT_TRUE(v->Picture2.Visible());

    click(v->Label3[1]);
    settle(60); // a tick now would move the animation on
    EXPECT_EQ(state.logoframe, 1);
    v = &openAcknowledgments();
    EXPECT_FALSE(v->Picture1.Visible()) << "each opening starts from the design state";
    v->Timer1_Timer();
    EXPECT_EQ(frameOnShow(*v), 2);
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(LogoAnimation, MissingFrameIsReportedOnceAndTheAnimationGoesOn) {
    writeLogoFrames();
    QFile::remove(path(QStringLiteral("logo/quil0003.gif")));
    teacher& v = openAcknowledgments();
    for (int tick = 0; tick < 45; ++tick) {
        v.Timer1_Timer();
    }
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(dialogs.texts()[0].contains(QStringLiteral("logo\\quil0003.gif")));
    EXPECT_EQ(state.logoframe, 5);
    EXPECT_EQ(frameOnShow(v), 5);
}

TEST_F(LogoAnimation, RunsOnItsOwnClock) {
    writeLogoFrames();
    teacher& v = forms.get<teacher>();
    v.Timer1.setEnabled(true);
    forms.show<teacher>();
    for (int wait = 0; wait < 80 && state.logoframe < 3; ++wait) {
        settle(25);
    }
    EXPECT_GE(state.logoframe, 3);
    EXPECT_TRUE(v.Picture1.Visible());
    const int last = state.logoframe;
    click(v.Label3[1]); // Exit stops the animation where it is
    QTest::qWait(100);
    settle();
    EXPECT_EQ(state.logoframe, last);
}

} // namespace
