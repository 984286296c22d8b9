// The two quiz files that come with the program and the empty worksheet register, byte
// for byte in the format the quiz loader and the wizard share.
#include "cp1252.h"

#include <QDir>
#include <cctype>

#include <QFile>
#include <QList>
#include <QSet>

#include <gtest/gtest.h>

namespace {

QByteArray readData(const QString& relative) {
    QFile f(QStringLiteral(PW_DATA_DIR "/") + relative);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Splits CRLF-ended lines; fails the test on a bare CR or LF or a missing last CRLF.
QList<QByteArray> crlfLines(const QByteArray& bytes) {
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast(); // after the last line feed
    for (QByteArray& l : lines) {
        EXPECT_TRUE(l.endsWith('\r')) << "line without CRLF: " << l.constData();
        l.chop(1);
        EXPECT_FALSE(l.contains('\r'));
    }
    return lines;
}

class ShippedQuiz : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        m_bytes = readData(QStringLiteral("multiple/%1.txt").arg(QString::fromStdString(GetParam())));
        ASSERT_FALSE(m_bytes.isEmpty()) << GetParam();
        m_lines = crlfLines(m_bytes);
    }
    QByteArray m_bytes;
    QList<QByteArray> m_lines;
};

TEST_P(ShippedQuiz, HasSeventyTwoLinesOfPrintableWindows1252) {
    ASSERT_EQ(m_lines.size(), 72);
    for (const QByteArray& l : m_lines) {
        EXPECT_TRUE(pw::gen::isPrintableCp1252(l)) << l.constData();
        EXPECT_FALSE(l.contains(',')) << "a raw comma ends the field early: " << l.constData();
    }
}

// A shipped title may be a little longer than a teacher's (25 characters in the wizard):
// 30 still fit the quiz screen's title line.
TEST_P(ShippedQuiz, TitleIsTheFileNameAndFitsTheQuizScreen) {
    ASSERT_GE(m_lines.size(), 2);
    EXPECT_EQ(m_lines[0], QByteArray::fromStdString(GetParam()));
    EXPECT_LE(m_lines[0].size(), 30);
    EXPECT_EQ(m_lines[1], QByteArray(" "));
}

TEST_P(ShippedQuiz, EveryQuestionBlockFitsTheWizardWithOneCorrectAnswer) {
    ASSERT_EQ(m_lines.size(), 72);
    QSet<QByteArray> positions;
    for (int q = 0; q < 10; ++q) {
        const int at = 2 + 7 * q;
        SCOPED_TRACE("question " + std::to_string(q + 1));
        EXPECT_FALSE(m_lines[at].trimmed().isEmpty());
        EXPECT_LE(m_lines[at].size(), 60);
        QSet<QByteArray> answers;
        for (int a = 1; a <= 4; ++a) {
            EXPECT_FALSE(m_lines[at + a].trimmed().isEmpty());
            EXPECT_LE(m_lines[at + a].size(), 30);
            answers.insert(m_lines[at + a]);
        }
        EXPECT_EQ(answers.size(), 4) << "two answers are the same";
        const QByteArray correct = m_lines[at + 5];
        EXPECT_TRUE(correct == "1" || correct == "2" || correct == "3" || correct == "4")
            << correct.constData();
        positions.insert(correct);
        EXPECT_EQ(m_lines[at + 6], QByteArray(" "));
    }
    EXPECT_GE(positions.size(), 3) << "the correct answer should not sit in one place";
}

// Every quiz that ships: the files of data/multiple but the register.
std::vector<std::string> shippedQuizzes() {
    std::vector<std::string> titles;
    const QDir dir(QStringLiteral(PW_DATA_DIR "/multiple"));
    for (const QString& f : dir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
        if (f != QLatin1String("track.txt")) {
            titles.push_back(f.chopped(4).toStdString());
        }
    }
    return titles;
}

INSTANTIATE_TEST_SUITE_P(Shipped, ShippedQuiz, ::testing::ValuesIn(shippedQuizzes()),
                         [](const auto& info) {
                             std::string name;
                             for (char c : info.param) {
                                 if (std::isalnum(static_cast<unsigned char>(c))) {
                                     name += c;
                                 }
                             }
                             return name;
                         });

TEST(ShippedRegister, IsTheCountLineForNoWorksheets) {
    EXPECT_EQ(readData(QStringLiteral("multiple/track.txt")), QByteArray(" 0 \r\n"));
}

} // namespace
