#include "quiz/quizfixture.h"

#include <QTest>

namespace {

using fakes::RecordingPrintService;

const QString kClick = QStringLiteral("wav\\click.wav");
const QString kProblem = QStringLiteral("There was a problem printing to your printer.");
const QString kBand = QStringLiteral("   Well Done      Well Done     Well Done     Well Done    ");
const float kW = RecordingPrintService::kPageWidth;

QString x(float twips) {
    return QStringLiteral("x ") + RecordingPrintService::number(twips);
}

// The fake's text width: 100 twips a character at 12 pt.
QString centredX(const QString& text, float size) {
    return x((kW - RecordingPrintService::kTwipsPerCharAt12 * text.size() * size / 12.0f) / 2);
}

QString endLine(const QString& text) {
    return QStringLiteral("print '%1' end").arg(text);
}

QString stayOn(const QString& text) {
    return QStringLiteral("print '%1' stay").arg(text);
}

QStringList blanks(int n) {
    QStringList rows;
    for (int i = 0; i < n; ++i) {
        rows << endLine(QString());
    }
    return rows;
}

// The frame on the fake's page (11186 x 16118 twips): five rectangles 45 twips apart and,
// after each of the first three, a box about the middle.
const QStringList kFrame = {
    "linewidth 2",
    "color 0",
    "line 45,270,11141,270",
    "line 45,270,45,15848",
    "line 11141,270,11141,15848",
    "line 45,15848,11141,15848",
    "line 645,7320,10541,7320",
    "line 645,7320,645,12098",
    "line 10541,7320,10541,12098",
    "line 645,12098,10541,12098",
    "line 90,315,11096,315",
    "line 90,315,90,15803",
    "line 11096,315,11096,15803",
    "line 90,15803,11096,15803",
    "line 690,7365,10496,7365",
    "line 690,7365,690,12053",
    "line 10496,7365,10496,12053",
    "line 690,12053,10496,12053",
    "line 135,360,11051,360",
    "line 135,360,135,15758",
    "line 11051,360,11051,15758",
    "line 135,15758,11051,15758",
    "line 735,7410,10451,7410",
    "line 735,7410,735,12008",
    "line 10451,7410,10451,12008",
    "line 735,12008,10451,12008",
    "line 180,405,11006,405",
    "line 180,405,180,15713",
    "line 11006,405,11006,15713",
    "line 180,15713,11006,15713",
    "line 225,450,10961,450",
    "line 225,450,225,15668",
    "line 10961,450,10961,15668",
    "line 225,15668,10961,15668",
};

// The certificate's rows top to bottom, then the frame.
QStringList certificateLog(const QString& subject, float subjectSize, const QString& name,
                           const QString& scoreLine) {
    QStringList log{"font Times New Roman", "size 25", "color 9"};
    log << blanks(1) << stayOn(kBand) << stayOn(kBand) << endLine(" ") << blanks(2);
    log << "size 36"
        << "color 12" << centredX("Placeworks", 36) << endLine("Placeworks") << blanks(1);
    log << QStringLiteral("size %1").arg(subjectSize) << "color 9" << centredX(subject, subjectSize)
        << endLine(subject) << blanks(1);
    log << "size 36" << blanks(3);
    log << "size 28"
        << "color 1" << centredX("Excellent Work", 28) << endLine("Excellent Work") << blanks(1)
        << centredX(name, 28) << endLine(name) << blanks(1) << centredX(scoreLine, 28)
        << endLine(scoreLine) << blanks(1);
    log << "size 36" << blanks(2);
    log << "size 25"
        << "color 9" << blanks(1) << "color 0" << stayOn(kBand) << stayOn(kBand);
    log << kFrame << "enddoc";
    return log;
}

class CertificateTest : public QuizFixture {
protected:
    Welldone& fullMarks(const QString& subject, const QString& name) {
        state.quizcaption = subject;
        Welldone& w = openResults(10, 10);
        runReward();
        w.Text1.setText(name);
        sound.played.clear();
        return w;
    }
};

struct CertificateCase {
    const char* name;
    const char* subject;
    float subjectSize;
    const char* pupil;
};

class CertificateRows : public CertificateTest,
                        public ::testing::WithParamInterface<CertificateCase> {};

TEST_P(CertificateRows, PrintsEveryRowAndTheFrame) {
    const CertificateCase& c = GetParam();
    const QString subject = QString::fromLatin1(c.subject);
    const QString pupil = QString::fromLatin1(c.pupil);
    Welldone& w = fullMarks(subject, pupil);
    click(w.Label3[0]);
    EXPECT_EQ(printer.log, certificateLog(subject, c.subjectSize, pupil,
                                          QStringLiteral("You have scored 10 out of 10.")));
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("Your certificate is now printing.")});
    EXPECT_TRUE(sound.played.isEmpty()) << "no click after the certificate";
    EXPECT_EQ(top(), &w);
}

INSTANTIATE_TEST_SUITE_P(
    Certificates, CertificateRows,
    ::testing::Values(
        CertificateCase{"ShortSubjectAndName", "Placeworks", 36, "Sam"},
        CertificateCase{"LongSubject", "Manchester: The Facts and Figures of a Great City", 28,
                        "Sam"},
        CertificateCase{"EmptyName", "Placeworks", 36, ""},
        CertificateCase{"FullLengthName", "Placeworks", 36, "Alexandra Montgomery-Smyt"},
        CertificateCase{"NoQuizYet", "", 36, "Sam"}),
    [](const auto& info) { return std::string(info.param.name); });

// Messages as the fake records them, except that reporting a finished certificate fails.
class FailingConfirmation final : public media::Dialogs {
public:
    media::Answer message(const QString& text, media::Buttons, const QString&) override {
        texts << text;
        if (text.startsWith(QStringLiteral("Your certificate"))) {
            throw std::runtime_error("message box could not be shown");
        }
        return media::Answer::Ok;
    }
    QStringList texts;
};

TEST_F(CertificateTest, WhatPrintpageCannotHandleIsReportedAsCancelled) {
    FailingConfirmation failing;
    Program withFailing{state, forms, sound, printer, failing, pictures, random, files, {}};
    forms.setContext(&withFailing);
    Welldone& w = fullMarks(QStringLiteral("Placeworks"), QStringLiteral("Sam"));
    click(w.Label3[0]);
    EXPECT_EQ(failing.texts, (QStringList{QStringLiteral("Your certificate is now printing."),
                                          QStringLiteral("Printing has been cancelled.")}));
    EXPECT_EQ(top(), &w);
    EXPECT_TRUE(sound.played.isEmpty());
    forms.unloadAll();
    settle();
    forms.setContext(&program);
}

TEST_F(CertificateTest, AfterAnActivityTheScoreLineIsTheActivitys) {
    state.quizcaption = QStringLiteral("Placeworks");
    Welldone& w = openResults(4, 4);
    runReward();
    click(w.Label3[0]);
    EXPECT_TRUE(printer.log.contains(endLine("You have scored 4 out of 4.")));
    EXPECT_TRUE(printer.log.contains(endLine("Placeworks")));
}

TEST_F(CertificateTest, TheNameIsPrintedWholeAndCentred) {
    Welldone& w = fullMarks(QStringLiteral("Placeworks"), QString());
    QTest::keyClicks(&w.Text1, QStringLiteral("Alexandra Montgomery-Smythe"));
    click(w.Label3[0]);
    const QString typed = QStringLiteral("Alexandra Montgomery-Smyt");
    const qsizetype at = printer.log.indexOf(endLine(typed));
    ASSERT_GT(at, 0);
    EXPECT_EQ(printer.log[at - 1], centredX(typed, 28));
}

// A failure anywhere in the run: the problem message, no document, the screen as it was.
class CertificateFailure : public CertificateTest, public ::testing::WithParamInterface<int> {};

TEST_P(CertificateFailure, LeavesTheScreenAsItWas) {
    Welldone& w = fullMarks(QStringLiteral("Placeworks"), QStringLiteral("Sam"));
    if (GetParam() == 0) {
        printer.noPrinter = true;
    } else {
        printer.failAtOperation = GetParam();
    }
    click(w.Label3[0]);
    EXPECT_EQ(dialogs.texts(), QStringList{kProblem});
    EXPECT_EQ(printer.jobsEnded, 0);
    EXPECT_FALSE(printer.log.contains("enddoc"));
    EXPECT_EQ(top(), &w);
    EXPECT_EQ(w.Text1.Text(), QStringLiteral("Sam"));
    EXPECT_TRUE(w.Label3[0].Visible());
    EXPECT_EQ(w.Label3[0].Caption(), QStringLiteral("Print Certificate"));
    EXPECT_TRUE(sound.played.isEmpty());
    // The screen works on: a second try prints.
    printer.noPrinter = false;
    printer.failAtOperation = 0;
    printer.log.clear();
    click(w.Label3[0]);
    EXPECT_EQ(printer.jobsEnded, 1);
    EXPECT_EQ(printer.log.last(), "enddoc");
}

// 0: no printer at all; 1: the font name; 30: among the rows; 70: among the frame lines;
// 91: the end of the document itself.
INSTANTIATE_TEST_SUITE_P(Operations, CertificateFailure, ::testing::Values(0, 1, 30, 70, 91));

TEST_F(CertificateTest, TheLastOperationIsTheEndOfTheDocument) {
    Welldone& w = fullMarks(QStringLiteral("Placeworks"), QStringLiteral("Sam"));
    click(w.Label3[0]);
    EXPECT_EQ(printer.operations, 91) << "the failure table above counts on it";
}

// The worksheet: header, subject and title, then ten questions with answers in two columns.
QStringList worksheetLog(const QString& subject, const QString& title, const LoadedQuiz& quiz) {
    const QString header =
        QStringLiteral("Placeworks") + QString(57, ' ') + "Quillon Publishing Ltd";
    QStringList log{"font Times New Roman", "size 16",    x(kW / 8),   endLine(" "), x(kW / 16),
                    stayOn(header),         endLine(" "), endLine(" ")};
    log << "size 32" << centredX(subject, 32) << endLine(subject) << centredX(title, 32)
        << endLine(title) << endLine(" ") << "size 12";
    for (int i = 1; i <= 10; ++i) {
        log << x(kW / 16)
            << endLine(QStringLiteral("Question %1    %2").arg(i).arg(quiz.questions[i]));
        log << x(kW * 2 / 6) << stayOn("A. " + quiz.answer1[i]) << x(kW * 4 / 6)
            << endLine("B. " + quiz.answer2[i]);
        log << x(kW * 2 / 6) << stayOn("C. " + quiz.answer3[i]) << x(kW * 4 / 6)
            << endLine("D. " + quiz.answer4[i]);
        log << endLine(" ");
    }
    log << "enddoc";
    return log;
}

class WorksheetTest : public QuizFixture {
protected:
    multiple& quizWithPrinting() {
        multiple& quiz = openQuiz();
        quiz.Label3[3].setVisible(true); // as the catalogue offers it to the teacher
        return quiz;
    }
};

TEST_F(WorksheetTest, PrintsTheQuizInTwoColumns) {
    fillQuiz(QStringLiteral("Canals"));
    state.answer3[4].clear();
    state.answer2[10].clear();
    multiple& quiz = quizWithPrinting();
    click(quiz.Label3[3]);
    EXPECT_EQ(printer.log,
              worksheetLog(QStringLiteral("Placeworks"), QStringLiteral("Canals"), state));
    EXPECT_TRUE(printer.log.contains(stayOn("C. ")));
    EXPECT_TRUE(printer.log.contains(endLine("Question 10    Question text 10")));
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("Your worksheet is now printing.")});
    EXPECT_EQ(sound.played, QStringList{kClick});
}

class WorksheetFailure : public WorksheetTest, public ::testing::WithParamInterface<int> {};

TEST_P(WorksheetFailure, LeavesTheQuestionChoiceAndMarksAsTheyWere) {
    fillQuiz();
    multiple& quiz = quizWithPrinting();
    choose(quiz, rightAnswer(1));
    next(quiz);
    next(quiz);
    choose(quiz, 2);
    sound.played.clear();
    const auto marks = state.marks;
    if (GetParam() == 0) {
        printer.noPrinter = true;
    } else {
        printer.failAtOperation = GetParam();
    }
    click(quiz.Label3[3]);
    EXPECT_EQ(dialogs.texts(), QStringList{kProblem});
    EXPECT_EQ(printer.jobsEnded, 0);
    EXPECT_EQ(state.questno, 3);
    EXPECT_EQ(state.marks, marks);
    EXPECT_EQ(state.marks[1], 1);
    EXPECT_TRUE(quiz.Option1[2].Value());
    EXPECT_EQ(quiz.Label4.Caption(), QStringLiteral("Question 3"));
    EXPECT_EQ(top(), &quiz);
    EXPECT_EQ(sound.played, QStringList{kClick}) << "the click follows in either case";
}

INSTANTIATE_TEST_SUITE_P(Operations, WorksheetFailure, ::testing::Values(0, 1, 20, 142));

TEST_F(WorksheetTest, TheLastOperationIsTheEndOfTheDocument) {
    fillQuiz();
    click(quizWithPrinting().Label3[3]);
    EXPECT_EQ(printer.operations, 142) << "the failure table above counts on it";
}

TEST_F(WorksheetTest, PrintingChangesNothingOnTheScreen) {
    fillQuiz();
    multiple& quiz = quizWithPrinting();
    next(quiz);
    choose(quiz, 3);
    click(quiz.Label3[3]);
    EXPECT_EQ(printer.jobsEnded, 1);
    EXPECT_EQ(state.questno, 2);
    EXPECT_TRUE(quiz.Option1[3].Value());
    EXPECT_EQ(state.score, 0);
}

} // namespace
