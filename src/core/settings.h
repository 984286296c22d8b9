#pragma once

#include <QString>
#include <QStringList>

// The program's few settings, read once at start-up. A school sets them in a configuration
// file ("placeworks.conf" in the program folder, or /etc/placeworks.conf), INI style:
//
//     [worksheets]
//     folder=/mnt/school/placeworks-worksheets
//
// The first file that names a setting wins; the environment variable overrides them all.
namespace settings {

// The folder of teachers' worksheets and their register: PLACEWORKS_WORKSHEETS when set
// (given here as environment), else the first configuration file's worksheets/folder,
// else fallback. "~/" at the start means the user's home folder; a relative folder is
// relative to the program folder.
QString worksheetFolder(const QString& environment, const QStringList& configFiles,
                        const QString& fallback);

// The read-only data of an installed program: dataFromProgram (the way from the installed
// program's folder to its data, "../share/placeworks") taken from programDir, when that
// folder is there. Empty when the program runs from a program folder (any of its data
// folders beside it) or finds no installed data: it then reads from the working directory.
QString installedDataFolder(const QString& programDir, const QString& dataFromProgram);

// Where an installed program keeps the user's own worksheets: Placeworks/multiple in the
// user's data folder (XDG_DATA_HOME, by default ~/.local/share).
QString userWorksheetFolder();

// A user's first start: when folder is not there yet, makes it and copies into it the
// quizzes that come with the program (every .txt file of shipped), so that the folder
// starts as a program folder's "multiple" does. An existing folder is left as it is.
// False when the folder cannot be made.
bool seedWorksheetFolder(const QString& folder, const QString& shipped);

} // namespace settings
