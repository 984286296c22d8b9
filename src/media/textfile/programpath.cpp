#include "media/textfile/programpath.h"

#include <QDir>
#include <QFileInfo>

namespace media {
namespace {

// The entry of dir whose name equals name case-insensitively (the first in the listing's
// order), or name itself when none does.
QString matchEntry(const QString& dir, const QString& name) {
    const QStringList entries =
        QDir(dir.isEmpty() ? QStringLiteral(".") : dir)
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                       QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return name;
}

} // namespace

QString programPath(const QString& relative) {
    QString path = relative;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (path.isEmpty() || QFileInfo::exists(path))
        return path;

    const QStringList parts = path.split(QLatin1Char('/'));
    QString resolved;
    bool matching = true;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        QString part = parts[i];
        const bool special =
            part.isEmpty() || part == QLatin1String(".") || part == QLatin1String("..");
        if (matching && !special) {
            if (!QFileInfo::exists(resolved + part))
                part = matchEntry(resolved, part);
            matching = QFileInfo::exists(resolved + part);
        }
        resolved += part;
        if (i + 1 < parts.size())
            resolved += QLatin1Char('/');
    }
    return resolved;
}

} // namespace media
