#include "contentfiles.h"

#include <QDir>
#include <QFileInfo>

namespace pw::gen {

QStringList contentFiles(const QString& contentDir, const QString& sub, const QString& pattern) {
    const QDir content(contentDir);
    QStringList folders{content.filePath(sub)};
    for (const QString& place : content.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        folders << content.filePath(place + QLatin1Char('/') + sub);
    }
    QStringList out;
    for (const QString& folder : folders) {
        const QDir dir(folder);
        for (const QString& file : dir.entryList({pattern}, QDir::Files, QDir::Name)) {
            out << dir.filePath(file);
        }
    }
    return out;
}

QString placeFolderOf(const QString& sourcePath) {
    return QFileInfo(sourcePath).dir().absolutePath() + QStringLiteral("/..");
}

} // namespace pw::gen
