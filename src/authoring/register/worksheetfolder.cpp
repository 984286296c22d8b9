#include "authoring/register/worksheetfolder.h"

#include "authoring/register/worksheetregister.h"
#include "media/textfile/programpath.h"

#include <QFileInfo>

namespace reg {

bool reachable(const QString& folder) {
    const QFileInfo info(media::programPath(folder));
    return info.isDir() && info.isWritable();
}

FolderLock::FolderLock(const QString& folder, int waitMs)
    : m_lock(media::programPath(folder) + QStringLiteral("/track.lock")) {
    if (!reachable(folder)) {
        throw FolderUnreachable(
            (folder + QStringLiteral(": the folder cannot be reached")).toStdString());
    }
    m_lock.setStaleLockTime(kStaleLockMs);
    if (!m_lock.tryLock(waitMs)) {
        if (m_lock.error() == QLockFile::LockFailedError) {
            throw FolderBusy(
                (folder + QStringLiteral(": another program holds the lock")).toStdString());
        }
        throw FolderUnreachable(
            (folder + QStringLiteral(": the lock cannot be made")).toStdString());
    }
}

QString worksheetPath(const QString& folder, const QString& storedTitle) {
    return folder + QLatin1Char('/') + storedTitle + QStringLiteral(".txt");
}

void saveWorksheet(media::TextFiles& files, RegisterState& state, const QString& folder,
                   const QString& title, const QStringList& quizLines) {
    const FolderLock lock(folder);
    files.replace(worksheetPath(folder, title), quizLines);
    trackworksheets(files, state, title, folder);
}

void removeWorksheet(media::TextFiles& files, RegisterState& state, const QString& folder) {
    const FolderLock lock(folder);
    delworksheet(files, state, folder);
}

} // namespace reg
