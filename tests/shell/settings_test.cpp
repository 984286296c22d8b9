#include "core/settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <vector>

namespace {

struct Row {
    const char* name;
    const char* environment;
    const char* first;  // contents of the first configuration file, or null for none
    const char* second; // of the second
    QString expected;
};

class WorksheetFolderSetting : public ::testing::TestWithParam<Row> {};

TEST_P(WorksheetFolderSetting, EnvironmentThenTheFirstFileThatSaysThenTheDefault) {
    QTemporaryDir dir;
    QStringList files;
    for (const char* contents : {GetParam().first, GetParam().second}) {
        const QString path = dir.filePath(QStringLiteral("%1.conf").arg(files.size()));
        files << path;
        if (contents) {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(contents);
        }
    }
    EXPECT_EQ(settings::worksheetFolder(QString::fromUtf8(GetParam().environment), files,
                                        QStringLiteral("multiple")),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sources, WorksheetFolderSetting,
    ::testing::Values(Row{"Default", "", nullptr, nullptr, QStringLiteral("multiple")},
                      Row{"FirstFile", "", "[worksheets]\nfolder=/srv/share/\n",
                          "[worksheets]\nfolder=/other\n", QStringLiteral("/srv/share")},
                      Row{"FileWithoutTheSettingIsPassedOver", "", "[sound]\nvolume=3\n",
                          "[worksheets]\nfolder=/srv/school\n", QStringLiteral("/srv/school")},
                      Row{"EnvironmentWins", "/mnt/class", "[worksheets]\nfolder=/srv/share\n",
                          nullptr, QStringLiteral("/mnt/class")},
                      Row{"HomeFolder", "~/Worksheets", nullptr, nullptr,
                          QDir::homePath() + QStringLiteral("/Worksheets")},
                      Row{"BlankIsUnset", "  ", "[worksheets]\nfolder=\n", nullptr,
                          QStringLiteral("multiple")}),
    [](const auto& info) { return std::string(info.param.name); });

// Makes each of paths (folders end in "/") under root.
void lay(const QTemporaryDir& root, const std::vector<const char*>& paths) {
    for (const char* path : paths) {
        const QString full = root.filePath(QString::fromUtf8(path));
        if (full.endsWith(QLatin1Char('/'))) {
            ASSERT_TRUE(QDir().mkpath(full));
        } else {
            ASSERT_TRUE(QDir().mkpath(QFileInfo(full).path()));
            QFile f(full);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(path);
        }
    }
}

struct Layout {
    const char* name;
    std::vector<const char*> paths;
    const char* expected; // the installed data folder under the root, or null for none
};

class InstalledData : public ::testing::TestWithParam<Layout> {};

TEST_P(InstalledData, IsFoundOnlyWhenNoDataLiesBesideTheProgram) {
    QTemporaryDir root;
    lay(root, GetParam().paths);
    const QString found = settings::installedDataFolder(root.filePath(QStringLiteral("usr/bin")),
                                                        QStringLiteral("../share/placeworks"));
    EXPECT_EQ(found, GetParam().expected
                         ? QDir::cleanPath(root.filePath(QString::fromUtf8(GetParam().expected)))
                         : QString());
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, InstalledData,
    ::testing::Values(Layout{"Installed",
                             {"usr/bin/placeworks", "usr/share/placeworks/wmf/"},
                             "usr/share/placeworks"},
                      Layout{"ProgramFolderBesideAnInstalledCopy",
                             {"usr/bin/placeworks", "usr/bin/casestudies/",
                              "usr/share/placeworks/wmf/"},
                             nullptr},
                      Layout{"ProgramFolderWithOnlyItsQuizzes",
                             {"usr/bin/placeworks", "usr/bin/multiple/", "usr/share/placeworks/"},
                             nullptr},
                      Layout{"NoDataAnywhere", {"usr/bin/placeworks", "usr/share/"}, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UserWorksheetFolder, StartsWithTheShippedQuizzesAndIsNeverSeededAgain) {
    QTemporaryDir root;
    lay(root, {"shipped/Kinver Facts.txt", "shipped/Venice Facts.txt", "shipped/notes.wav"});
    const QString own = root.filePath(QStringLiteral("home/.local/share/Placeworks/multiple"));
    ASSERT_TRUE(settings::seedWorksheetFolder(own, root.filePath(QStringLiteral("shipped"))));
    EXPECT_EQ(QDir(own).entryList(QDir::Files), QStringList({QStringLiteral("Kinver Facts.txt"),
                                                             QStringLiteral("Venice Facts.txt")}));

    // The user removes a quiz and keeps a worksheet: the next start changes neither.
    ASSERT_TRUE(QFile::remove(own + QStringLiteral("/Kinver Facts.txt")));
    lay(root, {"home/.local/share/Placeworks/multiple/Rivers.txt"});
    ASSERT_TRUE(settings::seedWorksheetFolder(own, root.filePath(QStringLiteral("shipped"))));
    EXPECT_EQ(QDir(own).entryList(QDir::Files),
              QStringList({QStringLiteral("Rivers.txt"), QStringLiteral("Venice Facts.txt")}));
}

TEST(UserWorksheetFolder, ThatCannotBeMadeIsReported) {
    QTemporaryDir root;
    lay(root, {"home"});
    EXPECT_FALSE(
        settings::seedWorksheetFolder(root.filePath(QStringLiteral("home/multiple")), root.path()));
}

} // namespace
