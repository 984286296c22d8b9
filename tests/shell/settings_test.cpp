#include "core/settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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

} // namespace
