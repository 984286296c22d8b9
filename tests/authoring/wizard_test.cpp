// The wizard's form: its checks, its layout, the keyboard and "Exit".
#include "authoringfixture.h"
#include "shell/intro0.h"

#include <QApplication>
#include <QTest>
#include <functional>

namespace authoringtest {
namespace {

class WizardTest : public AuthoringFixture {
protected:
    wizard& open() { return forms.show<wizard>(); }
    void focusOn(QWidget& w) {
        display.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&display));
        w.setFocus();
        ASSERT_EQ(QApplication::focusWidget(), &w);
    }
};

struct CheckCase {
    const char* name;
    std::function<void(wizard&)> change; // applied to a complete worksheet "Rivers"
    QString message;
};

const CheckCase kChecks[] = {
    {"EmptyWizard",
     [](wizard& w) {
         w.Text1.clear();
         for (int q = 0; q < 10; ++q) {
             w.Text2[q].clear();
             for (int k = 0; k < 4; ++k) {
                 w.Text3[4 * q + k].clear();
                 w.Check1[4 * q + k].setValue(0);
             }
         }
     },
     QStringLiteral("You have not chosen a title for your worksheet")},
    {"QuestionTwoEmpty", [](wizard& w) { w.Text2[1].clear(); },
     QStringLiteral("You have not completed Question 2")},
    {"AnswerOfQuestionTwoEmpty", [](wizard& w) { w.Text3[7].clear(); },
     QStringLiteral("You have not completed Question 2")},
    {"BAndDTickedOnQuestionThree",
     [](wizard& w) {
         for (int k = 0; k < 4; ++k) {
             w.Check1[8 + k].setValue(k == 1 || k == 3);
         }
     },
     QStringLiteral("You have ticked more than one correct answer for Question 3")},
    {"AnswerCEmptyAndNoTick",
     [](wizard& w) {
         w.Text3[2].clear();
         for (int k = 0; k < 4; ++k) {
             w.Check1[k].setValue(0);
         }
     },
     QStringLiteral("You have not completed Question 1")},
    {"QuestionTenUnticked",
     [](wizard& w) {
         for (int k = 0; k < 4; ++k) {
             w.Check1[36 + k].setValue(0);
         }
     },
     QStringLiteral("You have not ticked the correct answer for Question 10")},
    {"SpacesOnlyPass", [](wizard& w) { w.Text3[39].setText(QStringLiteral("   ")); },
     QStringLiteral("Your worksheet has been saved.")},
};

TEST_F(WizardTest, ChecksStopAtTheFirstFailureAndWriteNothing) {
    for (const CheckCase& c : kChecks) {
        SCOPED_TRACE(c.name);
        removeFolder(QStringLiteral("multiple"));
        emptyFolder(QStringLiteral("multiple"));
        dialogs.shown.clear();
        sound.played.clear();
        observed.soundsBefore.clear();
        wizard& w = open();
        fill(w, QStringLiteral("Rivers"));
        c.change(w);
        click(w.Label3[1]);
        EXPECT_EQ(dialogs.texts(), QStringList{c.message});
        const bool saved = c.message.startsWith(QStringLiteral("Your"));
        EXPECT_EQ(QFile::exists(path(quizFile(QStringLiteral("Rivers")))), saved);
        EXPECT_EQ(QFile::exists(path(QStringLiteral("multiple/track.txt"))), saved);
        EXPECT_EQ(sound.played, QStringList{kClick});
        EXPECT_EQ(observed.soundsBefore, QList<int>{0}) << "the click follows the message";
        forms.unload<wizard>();
        settle();
    }
}

TEST_F(WizardTest, FieldsStandWhereTheIndexRulesPutThem) {
    wizard& w = open();
    struct Spot {
        int q;
        float dx, row;
    };
    for (const Spot s : {Spot{0, 0, 0}, Spot{7, 5880, 2 * 1440}}) {
        SCOPED_TRACE(s.q);
        EXPECT_EQ(box(w.Text2[s.q].rect()), box({240 + s.dx, 840 + s.row, 5655, 375}));
        const float fieldLeft[4] = {720, 3600, 720, 3600};
        const float tickLeft[4] = {480, 3330, 480, 3330};
        const float top[4] = {1230, 1230, 1560, 1560};
        for (int k = 0; k < 4; ++k) {
            const int i = 4 * s.q + k;
            EXPECT_EQ(box(w.Text3[i].rect()),
                      box({fieldLeft[k] + s.dx, top[k] + s.row, 2295, 330}));
            EXPECT_EQ(box(w.Check1[i].rect()), box({tickLeft[k] + s.dx, top[k] + s.row, 255, 315}));
            EXPECT_EQ(w.Check1[i].Value(), 0);
        }
    }
    EXPECT_EQ(w.Label1[2 + 5 * 7].Caption(), QStringLiteral("Question 8"));
    EXPECT_EQ(box(w.Label1[2 + 5 * 7].rect()), box({6120, 600 + 2 * 1440, 1050, 240}));
    EXPECT_FLOAT_EQ(w.Label1[2 + 5 * 9].Width(), 1170);
    EXPECT_EQ(w.Label1[3 + 5 * 7 + 3].Caption(), QStringLiteral("D."));
    EXPECT_FALSE(w.Label1.contains(52));
    EXPECT_EQ(w.Check1[5].palette().color(QPalette::Window), QColor(39, 63, 137));
}

TEST_F(WizardTest, EnterMovesTheFocusOnAsDesigned) {
    wizard& w = open();
    struct Move {
        QWidget* from;
        QWidget* to;
    };
    const Move moves[] = {
        {&w.Text1, &w.Text2[0]},      {&w.Text2[3], &w.Text3[12]}, {&w.Text3[12], &w.Text3[13]},
        {&w.Text3[18], &w.Text3[19]}, {&w.Text3[19], &w.Text2[5]}, {&w.Text3[35], &w.Text2[9]},
        {&w.Text3[39], &w.Text3[39]},
    };
    for (const Move& m : moves) {
        focusOn(*m.from);
        QTest::keyClick(m.from, Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), m.to) << m.from->objectName().toStdString();
    }
    focusOn(w.Text2[0]);
    QTest::keyClick(&w.Text2[0], Qt::Key_X);
    EXPECT_EQ(QApplication::focusWidget(), &w.Text2[0]) << "other keys leave the focus";
    EXPECT_EQ(w.Text2[0].Text(), QStringLiteral("x"));
}

TEST_F(WizardTest, TabRunsThroughTheTextFieldsThenTheTickBoxes) {
    wizard& w = open();
    QList<QWidget*> expected{&w.Text1};
    for (int q = 0; q < 10; ++q) {
        expected << &w.Text2[q];
        for (int k = 0; k < 4; ++k) {
            expected << &w.Text3[4 * q + k];
        }
    }
    for (int i = 0; i < 40; ++i) {
        expected << &w.Check1[i];
    }
    focusOn(w.Text1);
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), expected[i]) << "step " << i;
    }
}

TEST_F(WizardTest, FieldsStopAtTheirLengthsAndRefuseWhatTheFileCannotHold) {
    wizard& w = open();
    const QString longText(70, QLatin1Char('w'));
    type(w.Text1, longText);
    type(w.Text2[4], longText);
    type(w.Text3[4], longText);
    EXPECT_EQ(w.Text1.Text().size(), 25);
    EXPECT_EQ(w.Text2[4].Text().size(), 60);
    EXPECT_EQ(w.Text3[4].Text().size(), 30);

    type(w.Text3[9], QStringLiteral("caf\u00e9 \u03a9 \u20ac, & \u2192"));
    EXPECT_EQ(w.Text3[9].Text(), QStringLiteral("caf\u00e9  \u20ac, & "))
        << "Greek letters and arrows have no Windows-1252 byte; accents and the euro do";
    type(w.Text2[9], QStringLiteral("\u4e2d"));
    EXPECT_TRUE(w.Text2[9].Text().isEmpty());
}

TEST_F(WizardTest, ExitClosesAtOnceOverUnsavedWork) {
    forms.show<intro0>();
    wizard& w = open();
    fill(w, QStringLiteral("Unsaved"));
    click(w.Label3[0]);
    settle();
    EXPECT_FALSE(forms.isLoaded<wizard>());
    EXPECT_EQ(top(), forms.loaded<intro0>());
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_FALSE(QFile::exists(path(quizFile(QStringLiteral("Unsaved")))));
    EXPECT_EQ(sound.played, QStringList{kClick});
}

TEST_F(WizardTest, TheMenuOpensTheWizardOverItself) {
    intro0& menu = forms.show<intro0>();
    click(menu.Label2[17]);
    ASSERT_TRUE(forms.isLoaded<wizard>());
    EXPECT_EQ(top(), forms.loaded<wizard>());
    EXPECT_TRUE(forms.isLoaded<intro0>());
    EXPECT_TRUE(forms.loaded<wizard>()->Text1.Text().isEmpty());
    EXPECT_EQ(sound.played, QStringList{kClick});
}

TEST_F(WizardTest, ButtonsLightUnderThePointerUntilItCrossesTheBackground) {
    wizard& w = open();
    moveTo(240 + 3165 / 2.0f, 7920 + 495 / 2.0f); // over "Save Worksheet"
    moveTo(6000, 7600);                           // background
    EXPECT_EQ(w.Label3[1].backStyle(), forms::BackStyle::Transparent);
    moveTo(240 + 3165 / 2.0f, 7920 + 495 / 2.0f);
    EXPECT_EQ(w.Label3[1].backStyle(), forms::BackStyle::Opaque);
    EXPECT_EQ(w.Label3[0].backStyle(), forms::BackStyle::Transparent);
}

} // namespace
} // namespace authoringtest
