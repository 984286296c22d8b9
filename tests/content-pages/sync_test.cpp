// The shipped data is what the generators make from content/, and the generators refuse
// sources that would ship something broken.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

int runGenerator(const QString& program, const QString& content, const QString& data,
                 QString* errors = nullptr) {
    QProcess p;
    p.start(program, {content, data});
    if (!p.waitForFinished(120000)) {
        return -1;
    }
    if (errors) {
        *errors = QString::fromLocal8Bit(p.readAllStandardError());
    }
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QStringList filesIn(const QString& dir) {
    return QDir(dir).entryList(QDir::Files, QDir::Name);
}

void expectSameFolder(const QString& generated, const QString& shipped) {
    const QStringList made = filesIn(generated);
    ASSERT_FALSE(made.isEmpty()) << qPrintable(generated);
    EXPECT_EQ(made, filesIn(shipped)) << "data/ holds files the sources do not make";
    for (const QString& name : made) {
        EXPECT_TRUE(readAll(generated + QLatin1Char('/') + name) ==
                    readAll(shipped + QLatin1Char('/') + name))
            << qPrintable(name) << " differs from its source: run scripts/generate-data";
    }
}

TEST(ContentSync, DataIsWhatTheSourcesGenerate) {
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    const QString content = QStringLiteral(PW_SOURCE_DIR "/content");
    ASSERT_EQ(runGenerator(QStringLiteral(PW_GEN_PAGES), content, out.path()), 0);
    ASSERT_EQ(runGenerator(QStringLiteral(PW_GEN_QUIZZES), content, out.path()), 0);
    for (const char* folder : {"wmf", "wmf2", "multiple"}) {
        SCOPED_TRACE(folder);
        expectSameFolder(out.filePath(QLatin1String(folder)),
                         QStringLiteral(PW_DATA_DIR "/") + QLatin1String(folder));
    }
}

// A quiz source with one fault, and the words the generator's message must contain.
struct BadQuiz {
    const char* what;
    const char* change; // replaces the first question block
    const char* message;
};

QString quizSource(const char* firstQuestion) {
    QString s = QStringLiteral("title: Test Quiz\n\n%1\n").arg(QLatin1String(firstQuestion));
    for (int i = 2; i <= 10; ++i) {
        s += QStringLiteral("Q: Question %1?\n* Right\n- Wrong one\n- Wrong two\n- Wrong three\n\n")
                 .arg(i);
    }
    return s;
}

class RefusedQuiz : public ::testing::TestWithParam<BadQuiz> {};

TEST_P(RefusedQuiz, GeneratorFailsAndSaysWhy) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("content/quizzes")));
    QFile f(dir.filePath(QStringLiteral("content/quizzes/test.txt")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(quizSource(GetParam().change).toUtf8());
    f.close();
    QString errors;
    EXPECT_EQ(runGenerator(QStringLiteral(PW_GEN_QUIZZES), dir.filePath(QStringLiteral("content")),
                           dir.filePath(QStringLiteral("data")), &errors),
              1);
    EXPECT_TRUE(errors.contains(QLatin1String(GetParam().message))) << qPrintable(errors);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("data/multiple/Test Quiz.txt"))));
}

INSTANTIATE_TEST_SUITE_P(
    Faults, RefusedQuiz,
    ::testing::Values(
        BadQuiz{"TwoCorrect", "Q: Which?\n* A\n* B\n- C\n- D\n", "more than one correct"},
        BadQuiz{"NoCorrect", "Q: Which?\n- A\n- B\n- C\n- D\n", "no correct answer"},
        BadQuiz{"ThreeAnswers", "Q: Which?\n* A\n- B\n- C\n", "four answers"},
        BadQuiz{"LongQuestion",
                "Q: 12345678901234567890123456789012345678901234567890123456789012?\n"
                "* A\n- B\n- C\n- D\n",
                "longer than 60"},
        BadQuiz{"LongAnswer", "Q: Which?\n* 1234567890123456789012345678901\n- B\n- C\n- D\n",
                "longer than 30"},
        BadQuiz{"Ampersand", "Q: Salt & pepper?\n* A\n- B\n- C\n- D\n", "read back as"},
        BadQuiz{"NotInCodePage", "Q: Which \u2192 way?\n* A\n- B\n- C\n- D\n", "Windows-1252"}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(RefusedPage, TooMuchTextForThePageFails) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("content/pages")));
    QFile f(dir.filePath(QStringLiteral("content/pages/full.txt")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    QByteArray text = "page: full\ntitle: Too much\n\n";
    for (int i = 0; i < 60; ++i) {
        text += "- A bullet point that takes up a whole line of the page.\n";
    }
    f.write(text);
    f.close();
    QString errors;
    EXPECT_EQ(runGenerator(QStringLiteral(PW_GEN_PAGES), dir.filePath(QStringLiteral("content")),
                           dir.filePath(QStringLiteral("data")), &errors),
              1);
    EXPECT_TRUE(errors.contains(QLatin1String("too full"))) << qPrintable(errors);
}

} // namespace
