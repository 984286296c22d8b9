#pragma once

#include "authoring/register/registerstate.h"
#include "media/textfile/textfileerror.h"
#include "media/textfile/textfiles.h"

#include <QLockFile>
#include <QString>
#include <QStringList>

// The worksheet folder shared by every program that saves there (the classroom machines
// of a school pointing at one network folder). Every change is made under the folder's
// lock: take the lock, read the register afresh, make the one change, write it whole
// (atomically), let go. So two programs saving at once never lose each other's entries.
namespace reg {

// Another program holds the folder's lock longer than a save waits.
class FolderBusy : public media::TextFileError {
public:
    using TextFileError::TextFileError;
};

// The folder is not there or cannot be written (a network folder out of reach).
class FolderUnreachable : public media::TextFileError {
public:
    using TextFileError::TextFileError;
};

// How long a save waits for another program's, in milliseconds.
inline constexpr int kLockWaitMs = 5000;
// A lock older than this was left by a program that stopped (a crash, a machine switched
// off); the next program takes it over. A save takes milliseconds.
inline constexpr int kStaleLockMs = 15000;

// Holds the folder's lock file ("track.lock") while it lives. Throws FolderUnreachable
// when the folder cannot be used, FolderBusy when the lock stays taken for waitMs.
class FolderLock {
public:
    explicit FolderLock(const QString& folder, int waitMs = kLockWaitMs);
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    QLockFile m_lock;
};

// Whether the folder is there to read and write.
bool reachable(const QString& folder);

// The quiz file of a worksheet in the folder.
QString worksheetPath(const QString& folder, const QString& storedTitle);

// Saves a worksheet under the folder's lock: writes its quiz file (atomically), then adds
// the title to the register read afresh. Throws as FolderLock, and TextFileError when a
// file cannot be written (the register is then unchanged).
void saveWorksheet(media::TextFiles& files, RegisterState& state, const QString& folder,
                   const QString& title, const QStringList& quizLines);

// Removes state.chosensheet from the register under the folder's lock, as delworksheet.
void removeWorksheet(media::TextFiles& files, RegisterState& state, const QString& folder);

} // namespace reg
