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

} // namespace settings
