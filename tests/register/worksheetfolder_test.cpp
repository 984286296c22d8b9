// Several programs saving and removing worksheets in one folder at once.
#include "authoring/register/worksheetfolder.h"
#include "authoring/register/worksheetregister.h"
#include "quiz/file/quizfile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <set>

namespace {

const QString kWorker = QStringLiteral(PW_WORKSHEET_WORKER);

std::set<QString> registerTitles(const QString& folder) {
    media::TextFiles files;
    RegisterState state;
    reg::startupRead(files, state, folder);
    std::set<QString> titles;
    for (int i = 1; i <= state.worksheetcount.value_or(0); ++i) {
        EXPECT_TRUE(titles.insert(state.worksheetnames.at(i)).second)
            << "listed twice: " << state.worksheetnames.at(i).toStdString();
    }
    return titles;
}

TEST(SharedFolder, FourProgramsSavingAndRemovingAtOnceLoseNoEntry) {
    QTemporaryDir dir;
    std::vector<std::unique_ptr<QProcess>> workers;
    for (const char* name : {"alpha", "beta", "gamma", "delta"}) {
        auto p = std::make_unique<QProcess>();
        p->start(kWorker, {dir.path(), QString::fromLatin1(name), QStringLiteral("100")});
        workers.push_back(std::move(p));
    }
    std::set<QString> expected;
    for (auto& p : workers) {
        ASSERT_TRUE(p->waitForFinished(120000)) << "a worker hung";
        ASSERT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString();
        for (const QByteArray& line : p->readAllStandardOutput().split('\n')) {
            if (!line.isEmpty() && !line.startsWith("busy ")) {
                expected.insert(QString::fromLatin1(line));
            }
        }
    }
    EXPECT_EQ(expected.size(), 4u * 67u);
    EXPECT_EQ(registerTitles(dir.path()), expected);
    // Every listed worksheet opens whole, under its own title.
    media::TextFiles files;
    for (const QString& title : expected) {
        LoadedQuiz quiz;
        media::FieldReader file = files.openForReading(reg::worksheetPath(dir.path(), title));
        loadquiz(file, quiz);
        EXPECT_EQ(quiz.quiztitle, title);
    }
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("track.lock"))));
}

TEST(SharedFolder, AProgramKilledHoldingTheLockBlocksNobodyForLong) {
    QTemporaryDir dir;
    QProcess holder;
    holder.start(kWorker, {dir.path(), QStringLiteral("--hold")});
    ASSERT_TRUE(holder.waitForReadyRead(20000));
    ASSERT_EQ(holder.readAllStandardOutput().trimmed(), QByteArray("held"));
    EXPECT_THROW(reg::FolderLock(dir.path(), 200), reg::FolderBusy) << "held while it runs";
    holder.kill();
    holder.waitForFinished();

    QElapsedTimer waited;
    waited.start();
    EXPECT_NO_THROW(reg::FolderLock(dir.path(), reg::kStaleLockMs + 2000));
    EXPECT_LT(waited.elapsed(), reg::kStaleLockMs + 2000);
}

TEST(SharedFolder, AFolderOutOfReachRefusesEveryChangeAndWritesNothing) {
    QTemporaryDir dir;
    const QString gone = dir.filePath(QStringLiteral("share/that/is/not/mounted"));
    media::TextFiles files;
    RegisterState state;
    EXPECT_FALSE(reg::reachable(gone));
    EXPECT_THROW(reg::saveWorksheet(files, state, gone, QStringLiteral("Rivers"), {}),
                 reg::FolderUnreachable);
    state.chosensheet = QStringLiteral("Rivers");
    EXPECT_THROW(reg::removeWorksheet(files, state, gone), reg::FolderUnreachable);
    EXPECT_FALSE(QDir(gone).exists());
}

TEST(SharedFolder, AFailedWriteLeavesTheRegisterAsItWas) {
    QTemporaryDir dir;
    media::TextFiles files;
    RegisterState state;
    reg::saveWorksheet(files, state, dir.path(), QStringLiteral("Rivers"),
                       quizFileLines(QStringLiteral("Rivers"), {}, {}, {}));
    // A line break would read back as an extra line: the quiz file is refused whole.
    QStringList broken = quizFileLines(QStringLiteral("Hills"), {}, {}, {});
    broken[2] = QStringLiteral("Which hill\nis highest?");
    EXPECT_THROW(reg::saveWorksheet(files, state, dir.path(), QStringLiteral("Hills"), broken),
                 media::TextFileError);
    EXPECT_FALSE(QFile::exists(reg::worksheetPath(dir.path(), QStringLiteral("Hills"))));
    EXPECT_EQ(registerTitles(dir.path()), std::set<QString>{QStringLiteral("Rivers")});
}

} // namespace
