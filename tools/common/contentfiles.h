#pragma once

#include <QString>
#include <QStringList>

namespace pw::gen {

/// The source files of one kind: CONTENT/SUB/PATTERN (material of the whole program) and
/// CONTENT/PLACE/SUB/PATTERN for every place folder, as full paths sorted by place and name.
QStringList contentFiles(const QString& contentDir, const QString& sub, const QString& pattern);

/// The place folder a source file belongs to: CONTENT/PLACE for CONTENT/PLACE/SUB/FILE.
QString placeFolderOf(const QString& sourcePath);

} // namespace pw::gen
