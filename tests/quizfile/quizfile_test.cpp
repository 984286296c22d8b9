#include "media/textfile/codepage.h"
#include "media/textfile/textfileerror.h"
#include "media/textfile/textfiles.h"
#include "quiz/file/commaencoding.h"
#include "quiz/file/quizfile.h"
#include "textfile/programfolder.h"

#include <QFile>
#include <gtest/gtest.h>

using media::FieldReader;
using media::TextFileError;

namespace {

// The quiz of golden/quiz.txt as the author typed it.
struct TypedQuiz {
    QString title = QStringLiteral("Café quiz, part 1");
    std::array<QString, 10> questions;
    std::array<std::array<QString, 4>, 10> answers;
    std::array<int, 10> correct{};

    TypedQuiz() {
        questions[0] = QStringLiteral("Which river flows through Manchester, the city?");
        answers[0] = {QStringLiteral("The Irwell"), QStringLiteral("  The Thames  "),
                      QStringLiteral("\"Quoted\" answer"), QStringLiteral("£5 , more")};
        correct[0] = 1;
        for (int q = 2; q <= 10; ++q) {
            const QString n = QString::number(q);
            questions[q - 1] = QStringLiteral("Question %1 costs £%1?").arg(n);
            answers[q - 1] = {"A" + n, "B" + n, "C" + n, "D" + n};
            correct[q - 1] = q % 4 + 1;
        }
    }
};

QByteArray golden() {
    QFile file(QStringLiteral(PW_SOURCE_DIR "/tests/quizfile/golden/quiz.txt"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

// The first n lines of the golden file.
QByteArray goldenLines(int n) {
    const QList<QByteArray> lines = golden().split('\n');
    QByteArray bytes;
    for (int i = 0; i < n; ++i)
        bytes += lines[i] + '\n';
    return bytes;
}

LoadedQuiz previousQuiz() {
    LoadedQuiz quiz;
    quiz.quiztitle = QStringLiteral("old title");
    for (int q = 0; q <= 10; ++q) {
        const QString n = QString::number(q);
        quiz.questions[q] = "old question " + n;
        quiz.answer1[q] = "old A" + n;
        quiz.answer2[q] = "old B" + n;
        quiz.answer3[q] = "old C" + n;
        quiz.answer4[q] = "old D" + n;
        quiz.correct[q] = "old correct " + n;
    }
    return quiz;
}

void expectLoadedAsTyped(const LoadedQuiz& quiz, const TypedQuiz& typed) {
    EXPECT_EQ(quiz.quiztitle, typed.title);
    for (int q = 1; q <= 10; ++q) {
        SCOPED_TRACE(q);
        EXPECT_EQ(quiz.questions[q], typed.questions[q - 1]);
        EXPECT_EQ(quiz.answer1[q], typed.answers[q - 1][0]);
        EXPECT_EQ(quiz.answer2[q], typed.answers[q - 1][1]);
        EXPECT_EQ(quiz.answer3[q], typed.answers[q - 1][2]);
        EXPECT_EQ(quiz.answer4[q], typed.answers[q - 1][3]);
        EXPECT_EQ(quiz.correct[q], QString::number(typed.correct[q - 1]));
    }
}

TEST(QuizFile, WritesTheGoldenBytes) {
    ProgramFolder folder;
    const TypedQuiz typed;
    const QStringList lines =
        quizFileLines(typed.title, typed.questions, typed.answers, typed.correct);
    EXPECT_EQ(lines.size(), kQuizFileLines);
    media::TextFiles().replace(QStringLiteral("multiple\\Café quiz, part 1.txt"), lines);
    EXPECT_EQ(ProgramFolder::read(QStringLiteral("multiple/Café quiz, part 1.txt")), golden());
}

TEST(QuizFile, ReadsBackAsTypedApartFromAmpersands) {
    FieldReader file(golden());
    LoadedQuiz quiz = previousQuiz();
    loadquiz(file, quiz);
    expectLoadedAsTyped(quiz, TypedQuiz());
    EXPECT_EQ(quiz.questions[0], QStringLiteral("old question 0"));
}

TEST(QuizFile, AnAmpersandTypedByTheAuthorComesBackAsAComma) {
    TypedQuiz typed;
    typed.questions[4] = QStringLiteral("Salt & pepper, or not?");
    FieldReader file(
        *media::encode1252(quizFileLines(typed.title, typed.questions, typed.answers, typed.correct)
                               .join(QStringLiteral("\r\n"))));
    LoadedQuiz quiz;
    loadquiz(file, quiz);
    EXPECT_EQ(quiz.questions[5], QStringLiteral("Salt , pepper, or not?"));
}

TEST(QuizFile, ACommaInAQuestionIsStoredAsAnAmpersand) {
    const TypedQuiz typed;
    const QStringList lines =
        quizFileLines(typed.title, typed.questions, typed.answers, typed.correct);
    EXPECT_EQ(lines[2], QStringLiteral("Which river flows through Manchester& the city?"));
    EXPECT_FALSE(lines.join(QString()).contains(QLatin1Char(',')));
}

struct LengthCase {
    const char* name;
    QByteArray bytes;
    bool loads;
};

class QuizFileLength : public testing::TestWithParam<LengthCase> {};

TEST_P(QuizFileLength, LoadsOnlyWithAll72Lines) {
    FieldReader file(GetParam().bytes);
    LoadedQuiz quiz = previousQuiz();
    if (GetParam().loads) {
        loadquiz(file, quiz);
        expectLoadedAsTyped(quiz, TypedQuiz());
    } else {
        EXPECT_THROW(loadquiz(file, quiz), TextFileError);
        // The 71st line, question 10's correct answer, was still read.
        EXPECT_EQ(quiz.correct[10], QString::number(TypedQuiz().correct[9]));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, QuizFileLength,
    testing::Values(LengthCase{"Exactly72", goldenLines(72), true},
                    LengthCase{"LastLineWithoutLineEnd", goldenLines(72).chopped(2), true},
                    LengthCase{"ExtraLinesIgnored", goldenLines(72) + "extra, line\r\n\r\n", true},
                    LengthCase{"LacksTheLastSeparator", goldenLines(71), false}),
    [](const testing::TestParamInfo<LengthCase>& info) { return info.param.name; });

TEST(QuizFile, AFailedLoadLeavesTheEarlierSlotsNewAndTheLaterSlotsOld) {
    // Title block, two question blocks, then question 3's text and answers A and B only.
    FieldReader file(goldenLines(2 + 7 * 2 + 3));
    LoadedQuiz quiz = previousQuiz();
    EXPECT_THROW(loadquiz(file, quiz), TextFileError);

    const TypedQuiz typed;
    EXPECT_EQ(quiz.quiztitle, typed.title);
    EXPECT_EQ(quiz.questions[1], typed.questions[0]);
    EXPECT_EQ(quiz.correct[2], QStringLiteral("3"));
    EXPECT_EQ(quiz.questions[3], typed.questions[2]);
    EXPECT_EQ(quiz.answer2[3], QStringLiteral("B3"));
    EXPECT_EQ(quiz.answer3[3], QStringLiteral("old C3"));
    EXPECT_EQ(quiz.correct[3], QStringLiteral("old correct 3"));
    EXPECT_EQ(quiz.questions[4], QStringLiteral("old question 4"));
    EXPECT_EQ(quiz.answer4[10], QStringLiteral("old D10"));
}

TEST(QuizFile, TheCorrectLineIsStoredAsRead) {
    QByteArray bytes = goldenLines(7);
    bytes += " 2&x\r\n \r\n";
    bytes += goldenLines(72).mid(goldenLines(9).size());
    FieldReader file(bytes);
    LoadedQuiz quiz;
    loadquiz(file, quiz);
    EXPECT_EQ(quiz.correct[1], QStringLiteral(" 2&x"));
}

struct CommaCase {
    QString typed;
    QString stored;
    QString readBack;
};

class CommaEncoding : public testing::TestWithParam<CommaCase> {};

TEST_P(CommaEncoding, EncodesCommasAndDecodesAmpersands) {
    EXPECT_EQ(commaEncode(GetParam().typed), GetParam().stored);
    EXPECT_EQ(commaDecode(GetParam().stored), GetParam().readBack);
}

INSTANTIATE_TEST_SUITE_P(Texts, CommaEncoding,
                         testing::Values(CommaCase{"a,b", "a&b", "a,b"},
                                         CommaCase{",,", "&&", ",,"},
                                         CommaCase{"Tom & Jerry", "Tom & Jerry", "Tom , Jerry"},
                                         CommaCase{" x\" ", " x\" ", " x\" "},
                                         CommaCase{"", "", ""}));

} // namespace
