// gen-logo CONTENT_DIR DATA_DIR: draws the maker's logo bitmap and the twenty frames of the
// logo animation into DATA_DIR/logo, and the program's icon at the desktop's usual sizes into
// DATA_DIR/icons/hicolor (the icon theme's layout, which the package installs as it is).
#include "emblem.h"
#include "gifwriter.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>

namespace {

constexpr int kFrames = 20;
const QSize kLogoSize(120, 89);   // 1800 x 1335 twips
const QSize kFrameSize(120, 120); // 1800 x 1800 twips
const QColor kFrameBackground(49, 135, 214);
constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

bool writeLogo(const QDir& logoDir) {
    QImageWriter writer(logoDir.filePath("quillon2.bmp"), "bmp");
    if (writer.write(emblem::logo(kLogoSize)))
        return true;
    std::fprintf(stderr, "gen-logo: quillon2.bmp: %s\n", qPrintable(writer.errorString()));
    return false;
}

bool writeFrames(const QDir& logoDir) {
    for (int i = 0; i < kFrames; ++i) {
        const QString name = QStringLiteral("quil%1.gif").arg(i, 4, 10, QLatin1Char('0'));
        const QString error = writeGif(emblem::frame(i, kFrames, kFrameSize, kFrameBackground),
                                       logoDir.filePath(name));
        if (!error.isEmpty()) {
            std::fprintf(stderr, "gen-logo: %s: %s\n", qPrintable(name), qPrintable(error));
            return false;
        }
    }
    return true;
}

bool writeIcons(const QDir& data) {
    for (const int size : kIconSizes) {
        const QString folder = QStringLiteral("icons/hicolor/%1x%1/apps").arg(size);
        if (!data.mkpath(folder))
            return false;
        QImageWriter writer(data.filePath(folder + QStringLiteral("/placeworks.png")), "png");
        if (!writer.write(emblem::icon(size, kFrameBackground))) {
            std::fprintf(stderr, "gen-logo: %s: %s\n", qPrintable(folder),
                         qPrintable(writer.errorString()));
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: gen-logo CONTENT_DIR DATA_DIR\n");
        return 2;
    }
    QDir data(QString::fromLocal8Bit(argv[2]));
    if (!data.mkpath("logo"))
        return 1;
    const QDir logoDir(data.filePath("logo"));
    return writeLogo(logoDir) && writeFrames(logoDir) && writeIcons(data) ? 0 : 1;
}
