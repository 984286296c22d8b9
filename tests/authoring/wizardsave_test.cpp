// Saving from the wizard: the bytes written, the register, and the titles and faults
// that must never cost a teacher a worksheet.
#include "authoring/register/titleproblem.h"
#include "authoringfixture.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

namespace authoringtest {
namespace {

const QString kSaved = QStringLiteral("Your worksheet has been saved.");
const QString kProblem = QStringLiteral("There was a problem saving your worksheet");

class WizardSaveTest : public AuthoringFixture {
protected:
    wizard& filled(const QString& title) {
        wizard& w = forms.show<wizard>();
        fill(w, title);
        return w;
    }
    void save(wizard& w) { click(w.Label3[1]); }
};

TEST_F(WizardSaveTest, SavingWritesTheQuizFileAndCreatesAMissingRegister) {
    QFile::remove(path(QStringLiteral("multiple/track.txt")));
    wizard& w = filled(QStringLiteral("Rivers"));
    w.Text2[0].setText(QStringLiteral("Which river, of these, is longest?"));
    w.Text3[3].setText(QStringLiteral("Tigris & Euphrates"));
    save(w);
    EXPECT_EQ(dialogs.texts(), QStringList{kSaved});
    QStringList lines = worksheetLines(QStringLiteral("Rivers"));
    lines[2] = QStringLiteral("Which river& of these& is longest?");
    lines[6] = QStringLiteral("Tigris & Euphrates");
    EXPECT_EQ(readFile(quizFile(QStringLiteral("Rivers"))), bytesOf(lines));
    EXPECT_EQ(registerFile(), QByteArray(" 1 \r\nRivers\r\n"));
    EXPECT_TRUE(forms.loaded<wizard>()->isVisible()) << "the wizard stays open";
}

TEST_F(WizardSaveTest, SavingTwiceUnderOneTitleKeepsOneEntryAndAsksNothing) {
    writeRegister({QStringLiteral("Hills")});
    wizard& w = filled(QStringLiteral("Rivers"));
    save(w);
    w.Text2[4].setText(QStringLiteral("Changed"));
    save(w);
    EXPECT_EQ(dialogs.texts(), (QStringList{kSaved, kSaved}));
    EXPECT_EQ(registerFile(), registerBytes({QStringLiteral("Hills"), QStringLiteral("Rivers")}));
    QStringList lines = worksheetLines(QStringLiteral("Rivers"));
    lines[2 + 7 * 4] = QStringLiteral("Changed");
    EXPECT_EQ(readFile(quizFile(QStringLiteral("Rivers"))), bytesOf(lines));
}

TEST_F(WizardSaveTest, TheShippedQuizzesAreNeverOverwritten) {
    const QByteArray facts = readFile(QStringLiteral("multiple/Manchester Facts.txt"));
    const QByteArray development = readFile(QStringLiteral("multiple/Manchester Development.txt"));
    ASSERT_FALSE(facts.isEmpty());
    writeRegister({});
    for (const char* title :
         {"Manchester Facts", "manchester FACTS", "Manchester Facts. ", "MANCHESTER DEVELOPMENT"}) {
        SCOPED_TRACE(title);
        dialogs.shown.clear();
        wizard& w = filled(QString::fromLatin1(title));
        save(w);
        ASSERT_EQ(dialogs.shown.size(), 1);
        EXPECT_TRUE(dialogs.shown[0].text.contains(QStringLiteral("comes with Placeworks")));
        forms.unload<wizard>();
        settle();
    }
    EXPECT_EQ(readFile(QStringLiteral("multiple/Manchester Facts.txt")), facts);
    EXPECT_EQ(readFile(QStringLiteral("multiple/Manchester Development.txt")), development);
    EXPECT_EQ(registerFile(), registerBytes({}));
}

TEST_F(WizardSaveTest, ATitleNamingTheRegisterIsRefused) {
    writeRegister({QStringLiteral("Rivers"), QStringLiteral("Hills")});
    const QByteArray before = registerFile();
    for (const char* title : {"track", "TRACK", "Track. "}) {
        SCOPED_TRACE(title);
        dialogs.shown.clear();
        dialogs.answers.push_back(media::Answer::Ok); // were a replacement offered
        wizard& w = filled(QString::fromLatin1(title));
        save(w);
        ASSERT_EQ(dialogs.shown.size(), 1);
        EXPECT_TRUE(dialogs.shown[0].text.contains(QStringLiteral("list of worksheets")));
        EXPECT_EQ(registerFile(), before);
        dialogs.answers.clear();
        forms.unload<wizard>();
        settle();
    }
}

TEST_F(WizardSaveTest, AnotherWorksheetIsReplacedOnlyWhenTheTeacherAgrees) {
    writeRegister({QStringLiteral("Rivers")});
    const QByteArray old("an older worksheet\r\n");
    writeFile(quizFile(QStringLiteral("Rivers")), old);
    wizard& w = filled(QStringLiteral("Rivers"));

    dialogs.answers = {media::Answer::Cancel};
    save(w);
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0].text,
              QStringLiteral("A worksheet called \"Rivers\" already exists. Do you want to "
                             "replace it?"));
    EXPECT_EQ(dialogs.shown[0].buttons, media::Buttons::OkCancel);
    EXPECT_EQ(readFile(quizFile(QStringLiteral("Rivers"))), old);
    EXPECT_EQ(sound.played, QStringList{kClick});

    dialogs.answers = {media::Answer::Ok};
    save(w);
    EXPECT_EQ(dialogs.texts().mid(1), (QStringList{dialogs.shown[0].text, kSaved}));
    EXPECT_EQ(readFile(quizFile(QStringLiteral("Rivers"))),
              bytesOf(worksheetLines(QStringLiteral("Rivers"))));
    EXPECT_EQ(registerFile(), registerBytes({QStringLiteral("Rivers")}));
}

TEST_F(WizardSaveTest, TheWorksheetOpenedForEditingIsReplacedWithoutAsking) {
    writeRegister({QStringLiteral("Rivers")});
    writeWorksheet(QStringLiteral("Rivers"));
    wizard& w = filled(QStringLiteral("Rivers"));
    w.openedForEditing(QStringLiteral("Rivers"));
    w.Text3[0].setText(QStringLiteral("New answer"));
    save(w);
    EXPECT_EQ(dialogs.texts(), QStringList{kSaved});
    EXPECT_TRUE(readFile(quizFile(QStringLiteral("Rivers"))).contains("New answer"));
}

TEST_F(WizardSaveTest, TitlesThatCannotBeCarriedAreRefusedBeforeAnythingIsWritten) {
    writeRegister({});
    const QString titles[] = {
        QStringLiteral("up/down"),    QStringLiteral("back\\slash"), QStringLiteral("a, b"),
        QStringLiteral("A & B"),      QStringLiteral("C:"),          QStringLiteral("star*"),
        QStringLiteral("why?"),       QStringLiteral("\"quoted\""),  QStringLiteral("<less"),
        QStringLiteral("more>"),      QStringLiteral("pipe|"),       QStringLiteral("tab\there"),
        QStringLiteral("\u03a9mega"), QStringLiteral("..."),         QStringLiteral(" . "),
    };
    for (const QString& title : titles) {
        SCOPED_TRACE(title.toStdString());
        dialogs.shown.clear();
        wizard& w = filled(title);
        save(w);
        const std::optional<QString> problem = reg::titleProblem(title);
        ASSERT_TRUE(problem.has_value());
        EXPECT_EQ(dialogs.texts(), QStringList{*problem});
        forms.unload<wizard>();
        settle();
    }
    EXPECT_EQ(registerFile(), registerBytes({}));
    EXPECT_EQ(QDir(path(QStringLiteral("multiple"))).entryList(QDir::Files),
              QDir(QStringLiteral(PW_DATA_DIR "/multiple")).entryList(QDir::Files))
        << "nothing written beside the shipped quizzes and the register";
}

struct Kill {
    const char* name;
    int line;             // write line at which the program dies
    bool quizFileWritten; // the quiz file was complete before the register write died
};

class SaveKilledTest : public WizardSaveTest, public ::testing::WithParamInterface<Kill> {};

TEST_P(SaveKilledTest, LeavesTheOldFilesWhole) {
    writeRegister({QStringLiteral("Hills"), QStringLiteral("Rivers")});
    const QByteArray oldRegister = registerFile();
    const QByteArray oldQuiz("an older worksheet\r\n");
    writeFile(quizFile(QStringLiteral("Rivers")), oldQuiz);
    wizard& w = filled(QStringLiteral("Rivers"));
    w.openedForEditing(QStringLiteral("Rivers"));
    writeFile(quizFile(QStringLiteral("Seas")), oldQuiz);
    w.Text1.setText(QStringLiteral("Seas"));
    dialogs.answers = {media::Answer::Ok}; // replace the older "Seas"
    faultyFiles.failAtLine = GetParam().line;
    save(w);
    EXPECT_EQ(dialogs.texts().last(), kProblem);
    EXPECT_EQ(registerFile(), oldRegister);
    EXPECT_EQ(readFile(quizFile(QStringLiteral("Seas"))),
              GetParam().quizFileWritten ? bytesOf(worksheetLines(QStringLiteral("Seas")))
                                         : oldQuiz);
    EXPECT_EQ(readFile(quizFile(QStringLiteral("Rivers"))), oldQuiz);
    const QStringList left = QDir(path(QStringLiteral("multiple"))).entryList(QDir::Files);
    const qsizetype shipped = QDir(QStringLiteral(PW_DATA_DIR "/multiple")).entryList(QDir::Files).size();
    EXPECT_EQ(left.size(), shipped + 2) << left.join(QLatin1Char(' ')).toStdString()
                                        << ": only Rivers and Seas beside the shipped files, "
                                           "no temporary file left behind";
}

// A pasted text keeps to one line: its line breaks become spaces in the field, and the
// quiz file keeps its 72 lines.
TEST_F(WizardSaveTest, APastedLineBreakNeverReachesTheFile) {
    writeRegister({});
    wizard& w = filled(QStringLiteral("Rivers"));
    for (forms::TextBox* field : {&w.Text2[0], &w.Text3[5]}) {
        field->clear();
        field->setFocus();
        QGuiApplication::clipboard()->setText(QStringLiteral("Which river\r\nis\tlongest?\n"));
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(field->Text(), QStringLiteral("Which river  is longest? "));
    }
    save(w);
    EXPECT_EQ(dialogs.texts(), QStringList{kSaved});
    const QList<QByteArray> lines = readFile(quizFile(QStringLiteral("Rivers"))).split('\n');
    EXPECT_EQ(lines.size(), 73) << "72 lines and the end of the last";
    EXPECT_EQ(lines[2], QByteArray("Which river  is longest? \r"));
}

// A school's shared folder: worksheets and their register go there, not beside the program;
// when it cannot be reached nothing is written, the teacher is told, and the questions stay.
TEST_F(WizardSaveTest, WorksheetsGoToTheSharedFolderAndAFolderOutOfReachSavesNothing) {
    QTemporaryDir share;
    authoring.worksheets = share.path();
    wizard& w = filled(QStringLiteral("Rivers"));
    save(w);
    EXPECT_EQ(dialogs.texts(), QStringList{kSaved});
    EXPECT_TRUE(QFile::exists(share.filePath(QStringLiteral("Rivers.txt"))));
    EXPECT_FALSE(QFile::exists(path(quizFile(QStringLiteral("Rivers")))));

    authoring.worksheets = share.filePath(QStringLiteral("unplugged"));
    dialogs.shown.clear();
    w.Text1.setText(QStringLiteral("Hills"));
    save(w);
    ASSERT_EQ(dialogs.texts().size(), 1);
    EXPECT_TRUE(dialogs.texts()[0].contains(QStringLiteral("cannot be reached")));
    EXPECT_FALSE(QDir(authoring.worksheets).exists());
    EXPECT_EQ(w.Text1.Text(), QStringLiteral("Hills"));
    EXPECT_FALSE(w.Text2[0].Text().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Kills, SaveKilledTest,
                         ::testing::Values(Kill{"FirstLine", 0, false}, Kill{"MidQuiz", 36, false},
                                           Kill{"LastQuizLine", 71, false},
                                           Kill{"RegisterCount", 72, true},
                                           Kill{"RegisterTitle", 74, true}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace authoringtest
