#include "core/settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace settings {
namespace {

QString expanded(QString folder) {
    folder = folder.trimmed();
    if (folder == QLatin1String("~") || folder.startsWith(QLatin1String("~/"))) {
        folder = QDir::homePath() + folder.mid(1);
    }
    while (folder.size() > 1 &&
           (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\')))) {
        folder.chop(1);
    }
    return folder;
}

} // namespace

QString worksheetFolder(const QString& environment, const QStringList& configFiles,
                        const QString& fallback) {
    if (!environment.trimmed().isEmpty()) {
        return expanded(environment);
    }
    for (const QString& file : configFiles) {
        if (!QFileInfo(file).isFile()) {
            continue;
        }
        const QSettings config(file, QSettings::IniFormat);
        const QString folder = config.value(QStringLiteral("worksheets/folder")).toString();
        if (!folder.trimmed().isEmpty()) {
            return expanded(folder);
        }
    }
    return fallback;
}

QString installedDataFolder(const QString& programDir, const QString& dataFromProgram) {
    const QDir dir(programDir);
    for (const char* data : {"images", "wmf", "wmf2", "wav", "logo", "multiple", "casestudies"}) {
        if (dir.exists(QLatin1String(data))) {
            return {};
        }
    }
    const QString installed = QDir::cleanPath(dir.absoluteFilePath(dataFromProgram));
    return QFileInfo(installed).isDir() ? installed : QString();
}

QString userWorksheetFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Placeworks/multiple");
}

bool seedWorksheetFolder(const QString& folder, const QString& shipped) {
    if (QFileInfo::exists(folder)) {
        return true;
    }
    if (!QDir().mkpath(folder)) {
        return false;
    }
    const QDir from(shipped);
    for (const QString& name : from.entryList({QStringLiteral("*.txt")}, QDir::Files)) {
        QFile::copy(from.filePath(name), QDir(folder).filePath(name));
    }
    return true;
}

} // namespace settings
