// gen-pages CONTENT_DIR DATA_DIR: writes every page of CONTENT_DIR/pages and of
// CONTENT_DIR/PLACE/pages as two Windows Metafiles of the same name, DATA_DIR/wmf (screen)
// and DATA_DIR/wmf2 (print).
#include "contentfiles.h"
#include "fontmeasure.h"
#include "pagelayout.h"
#include "pagesource.h"
#include "pagestyle.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSet>

#include <cstdio>
#include <stdexcept>

namespace {

constexpr int kScreenWidth = 10440;

QString readText(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        throw std::runtime_error("cannot read " + path.toStdString());
    }
    return QString::fromUtf8(f.readAll());
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}

// A map file named on a page is found in the page's place folder.
void resolveMapFiles(pw::gen::PageSource& page, const QString& placeFolder) {
    for (pw::gen::Block& b : page.blocks) {
        if (b.kind == pw::gen::Block::Kind::Diagram && b.diagram == QLatin1String("map") &&
            !b.args.isEmpty()) {
            b.args.front() = QDir(placeFolder).absoluteFilePath(b.args.front());
        }
    }
}

void generate(const QString& contentDir, const QString& dataDir) {
    const QStringList sources = pw::gen::contentFiles(contentDir, "pages", "*.txt");
    if (sources.isEmpty()) {
        throw std::runtime_error("no page sources in " + contentDir.toStdString());
    }
    const QDir data(dataDir);
    for (const char* sub : {"wmf", "wmf2"}) {
        if (!data.mkpath(QString::fromLatin1(sub))) {
            throw std::runtime_error(std::string("cannot create folder ") + sub);
        }
    }
    const pw::gen::FontMeasure measure;
    QSet<QString> names;
    for (const QString& source : sources) {
        pw::gen::PageSource page =
            pw::gen::parsePage(readText(source), QFileInfo(source).fileName());
        resolveMapFiles(page, pw::gen::placeFolderOf(source));
        if (names.contains(page.name)) {
            throw std::runtime_error("two sources make the page " + page.name.toStdString());
        }
        names.insert(page.name);
        const auto screen =
            pw::gen::PageStyle::screen(page.screenWidth ? page.screenWidth : kScreenWidth);
        const QString file = page.name + QStringLiteral(".wmf");
        writeFile(data.filePath(QStringLiteral("wmf/") + file),
                  pw::gen::renderPage(page, screen, measure));
        writeFile(data.filePath(QStringLiteral("wmf2/") + file),
                  pw::gen::renderPage(page, pw::gen::PageStyle::printed(), measure));
    }
}

} // namespace

int main(int argc, char** argv) {
    // Fonts need a GUI application, but no display: this runs in builds and tests.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: gen-pages CONTENT_DIR DATA_DIR\n");
        return 2;
    }
    try {
        generate(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "gen-pages: %s\n", e.what());
        return 1;
    }
    return 0;
}
