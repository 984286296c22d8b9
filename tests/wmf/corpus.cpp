#include "wmf/corpus.h"

#include <QDir>
#include <QFileInfo>

namespace corpus {

QStringList metafiles() {
    return QDir(wmfDir()).entryList({QStringLiteral("*.wmf")}, QDir::Files, QDir::Name);
}

QStringList referenced() {
    QStringList stems;
    for (const QString& name : metafiles()) {
        const QString stem = QFileInfo(name).completeBaseName();
        if (QFileInfo::exists(refDir() + QLatin1Char('/') + stem + QStringLiteral(".png")))
            stems.append(stem);
    }
    return stems;
}

} // namespace corpus
