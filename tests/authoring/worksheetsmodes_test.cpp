// What a click on a title does in the catalogue's three modes.
#include "authoring/worksheets.h"
#include "authoringfixture.h"
#include "quiz/multiple.h"
#include "shell/intro0.h"

namespace authoringtest {
namespace {

const QString kCorrupted = QStringLiteral("This worksheet seems to be corrupted.");

QStringList titlesFrom(int first, int last) {
    QStringList titles;
    for (int i = first; i <= last; ++i) {
        titles << QStringLiteral("Sheet %1").arg(i);
    }
    return titles;
}

class ModesTest : public AuthoringFixture {
protected:
    worksheets& open(const QStringList& titles) {
        writeRegister(titles);
        for (const QString& t : titles) {
            writeWorksheet(t);
        }
        return forms.show<worksheets>();
    }
    QString deleteQuestion(const QString& title) const {
        return QStringLiteral("Are you sure that you want to delete the worksheet ") + title +
               QStringLiteral("?");
    }
};

TEST_F(ModesTest, OpenShowsTheWorksheetAsAQuizForTheTeacher) {
    worksheets& w = open({QStringLiteral("Rivers")});
    click(w.Label2[1]);
    settle();
    multiple* quiz = forms.loaded<multiple>();
    ASSERT_NE(quiz, nullptr);
    EXPECT_EQ(top(), quiz);
    EXPECT_EQ(state.quiztitle, QStringLiteral("Rivers"));
    EXPECT_EQ(state.questions[10], QStringLiteral("Question text 10"));
    intro0* menu = forms.loaded<intro0>();
    ASSERT_NE(menu, nullptr) << "reading the menu's picture loads it again";
    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(quiz->Label5.Caption(), menu->Label1.Caption());
    ASSERT_NE(menu->Image1.picture().source(), nullptr);
    EXPECT_EQ(quiz->Picture1.picture().source(), menu->Image1.picture().source());
    EXPECT_TRUE(quiz->Label3[3].Visible()) << "Print Worksheet";
    EXPECT_TRUE(forms.isLoaded<worksheets>());
    EXPECT_EQ(sound.played, QStringList{kClick});
}

TEST_F(ModesTest, AMissingOrShortQuizFileIsReportedInOpenAndEditModes) {
    for (const bool edit : {false, true}) {
        for (const bool missing : {true, false}) {
            SCOPED_TRACE(testing::Message() << "edit " << edit << " missing " << missing);
            dialogs.shown.clear();
            worksheets& w = open({QStringLiteral("Rivers")});
            if (missing) {
                QFile::remove(path(quizFile(QStringLiteral("Rivers"))));
            } else {
                QStringList lines = worksheetLines(QStringLiteral("Rivers"));
                lines.removeLast();
                writeFile(quizFile(QStringLiteral("Rivers")), bytesOf(lines));
            }
            w.Check1.setValue(edit);
            click(w.Label2[1]);
            EXPECT_EQ(dialogs.texts(), QStringList{kCorrupted});
            EXPECT_EQ(top(), &w);
            EXPECT_FALSE(forms.isLoaded<multiple>());
            EXPECT_FALSE(forms.isLoaded<wizard>());
            forms.unload<worksheets>();
            settle();
        }
    }
}

TEST_F(ModesTest, EditRefusesACorrectLineThatNamesNoAnswer) {
    for (const char* line : {"x", "0", "5", ""}) {
        SCOPED_TRACE(line);
        dialogs.shown.clear();
        worksheets& w = open({QStringLiteral("Rivers")});
        QStringList lines = worksheetLines(QStringLiteral("Rivers"));
        lines[2 + 7 * 6 + 5] = QString::fromLatin1(line); // question 7
        writeFile(quizFile(QStringLiteral("Rivers")), bytesOf(lines));
        w.Check1.setValue(1);
        click(w.Label2[1]);
        EXPECT_EQ(dialogs.texts(), QStringList{kCorrupted});
        EXPECT_EQ(top(), &w);
        EXPECT_FALSE(forms.isLoaded<wizard>()) << "no half-filled wizard is left";
        forms.unload<worksheets>();
        settle();
    }
}

TEST_F(ModesTest, EditRoundTripKeepsEveryTextAndOneEntry) {
    writeRegister({});
    wizard& first = forms.show<wizard>();
    fill(first, QStringLiteral("Round trip"));
    first.Text2[2].setText(QStringLiteral("Rome, Paris & Berlin: capitals?"));
    first.Text3[13].setText(QStringLiteral("  spaced  "));
    first.Text3[22].setText(QStringLiteral("\"quoted\" \u00e9\u20ac"));
    QStringList typed;
    for (int q = 0; q < 10; ++q) {
        typed << first.Text2[q].Text();
        for (int k = 0; k < 4; ++k) {
            typed << first.Text3[4 * q + k].Text()
                  << QString::number(first.Check1[4 * q + k].Value());
        }
    }
    click(first.Label3[1]);
    const QByteArray savedOnce = readFile(quizFile(QStringLiteral("Round trip")));
    click(first.Label3[0]);
    settle();

    worksheets& w = forms.show<worksheets>();
    click(w.Check1);
    click(w.Label2[1]);
    wizard* second = forms.loaded<wizard>();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(top(), second);
    EXPECT_EQ(second->Text1.Text(), QStringLiteral("Round trip"));
    QStringList read;
    for (int q = 0; q < 10; ++q) {
        read << second->Text2[q].Text();
        for (int k = 0; k < 4; ++k) {
            read << second->Text3[4 * q + k].Text()
                 << QString::number(second->Check1[4 * q + k].Value());
        }
    }
    typed[2 * 9] = QStringLiteral("Rome, Paris , Berlin: capitals?"); // question 3
    EXPECT_EQ(read, typed);

    dialogs.shown.clear();
    click(second->Label3[1]);
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("Your worksheet has been saved.")});
    EXPECT_EQ(readFile(quizFile(QStringLiteral("Round trip"))), savedOnce);
    EXPECT_EQ(registerFile(), registerBytes({QStringLiteral("Round trip")}));
    click(second->Label3[0]);
    settle();
    EXPECT_EQ(top(), &w) << "closing the wizard uncovers the catalogue";
}

TEST_F(ModesTest, DeleteCancelChangesNothing) {
    worksheets& w = open(titlesFrom(1, 3));
    const QByteArray before = registerFile();
    click(w.Check2);
    dialogs.answers = {media::Answer::Cancel};
    click(w.Label2[2]);
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0].text, deleteQuestion(QStringLiteral("Sheet 2")));
    EXPECT_EQ(dialogs.shown[0].buttons, media::Buttons::OkCancel);
    EXPECT_TRUE(dialogs.shown[0].caption.isEmpty());
    EXPECT_EQ(registerFile(), before);
    EXPECT_EQ(shown(w), titlesFrom(1, 3));
}

TEST_F(ModesTest, DeletingTheOnlyTitleOfTheLastPageLeavesThePageEmpty) {
    worksheets& w = open(titlesFrom(1, 25));
    click(w.Label3[1]);
    click(w.Check2);
    click(w.Label2[1]);
    EXPECT_EQ(dialogs.texts(), QStringList{deleteQuestion(QStringLiteral("Sheet 25"))});
    EXPECT_EQ(registerFile(), registerBytes(titlesFrom(1, 24)));
    EXPECT_TRUE(shown(w).isEmpty());
    EXPECT_EQ(w.Label4.Caption(), QStringLiteral("Page 2"));
    EXPECT_TRUE(w.Label3[0].Visible());
    EXPECT_FALSE(w.Label3[1].Visible());
    EXPECT_TRUE(QFile::exists(path(quizFile(QStringLiteral("Sheet 25")))))
        << "only the register entry goes";
}

TEST_F(ModesTest, DeletingOnPageOneOfFortyShowsTheNewFirstTwentyFour) {
    worksheets& w = open(titlesFrom(1, 40));
    click(w.Check2);
    click(w.Label2[5]);
    QStringList remaining = titlesFrom(1, 40);
    remaining.removeAt(4);
    EXPECT_EQ(registerFile(), registerBytes(remaining));
    EXPECT_EQ(shown(w), remaining.mid(0, 24));
    EXPECT_EQ(state.worksheetcount, 39);
    EXPECT_TRUE(w.Label3[1].Visible());
}

TEST_F(ModesTest, DeleteRemovesAnEntryWhoseQuizFileIsMissingOrDamaged) {
    worksheets& w = open(titlesFrom(1, 3));
    QFile::remove(path(quizFile(QStringLiteral("Sheet 1"))));
    writeFile(quizFile(QStringLiteral("Sheet 3")), "too short\r\n");
    click(w.Check2);
    click(w.Label2[3]);
    click(w.Label2[1]);
    EXPECT_EQ(dialogs.texts(), (QStringList{deleteQuestion(QStringLiteral("Sheet 3")),
                                            deleteQuestion(QStringLiteral("Sheet 1"))}));
    EXPECT_EQ(registerFile(), registerBytes({QStringLiteral("Sheet 2")}));
    EXPECT_EQ(shown(w), QStringList{QStringLiteral("Sheet 2")});
}

TEST_F(ModesTest, AnAmpersandTitleCanBeOpenedAndDeleted) {
    writeRegister({QStringLiteral("Rivers & Seas"), QStringLiteral("Hills")});
    writeWorksheet(QStringLiteral("Rivers & Seas"));
    worksheets& w = forms.show<worksheets>();
    ASSERT_EQ(w.Label2[1].Caption(), QStringLiteral("Rivers , Seas"));
    click(w.Check1);
    click(w.Label2[1]);
    ASSERT_TRUE(forms.isLoaded<wizard>()) << dialogs.texts().join(QLatin1Char('|')).toStdString();
    forms.unload<wizard>();
    settle();
    click(w.Check2);
    click(w.Label2[1]);
    EXPECT_EQ(registerFile(), registerBytes({QStringLiteral("Hills")}));
    EXPECT_EQ(shown(w), QStringList{QStringLiteral("Hills")});
}

TEST_F(ModesTest, AFailedDeleteSaysSoAndKeepsTheList) {
    worksheets& w = open(titlesFrom(1, 2));
    QFile::remove(path(QStringLiteral("multiple/track.txt")));
    click(w.Check2);
    click(w.Label2[2]);
    EXPECT_EQ(dialogs.texts(),
              (QStringList{deleteQuestion(QStringLiteral("Sheet 2")), kCorrupted}));
    EXPECT_EQ(shown(w), titlesFrom(1, 2));
}

} // namespace
} // namespace authoringtest
