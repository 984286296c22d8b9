// gen-casestudies CONTENT_DIR DATA_DIR: copies every case-study file CONTENT_DIR/PLACE/
// casestudies/*.json to DATA_DIR/casestudies, refusing one that is not well-formed JSON.
// The program and ./scripts/check-casestudies check what the files say.
#include "contentfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: gen-casestudies CONTENT_DIR DATA_DIR\n");
        return 2;
    }
    const QDir out(QDir(QString::fromLocal8Bit(argv[2])).filePath(QStringLiteral("casestudies")));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "gen-casestudies: cannot create %s\n", qPrintable(out.path()));
        return 1;
    }
    bool ok = true;
    QStringList names;
    for (const QString& path :
         pw::gen::contentFiles(QString::fromLocal8Bit(argv[1]), "casestudies", "*.json")) {
        QFile in(path);
        const QString name = QFileInfo(path).fileName();
        QJsonParseError error;
        const QByteArray bytes = in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
        if (QJsonDocument::fromJson(bytes, &error).isNull()) {
            std::fprintf(stderr, "gen-casestudies: %s: %s at byte %d\n", qPrintable(path),
                         qPrintable(error.errorString()), int(error.offset));
            ok = false;
            continue;
        }
        if (names.contains(name)) {
            std::fprintf(stderr, "gen-casestudies: two places have %s\n", qPrintable(name));
            ok = false;
            continue;
        }
        names << name;
        QFile target(out.filePath(name));
        if (!target.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            target.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "gen-casestudies: cannot write %s\n",
                         qPrintable(target.fileName()));
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
