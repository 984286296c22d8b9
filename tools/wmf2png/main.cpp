// wmf2png INPUT.wmf OUTPUT.png [--dpi N] [--screen]: renders a Windows Metafile at its own
// size, 96 dots per inch unless told otherwise, on white, or with --screen on the page
// viewer's blue (a screen page's light text is drawn straight onto the viewer).
#include "media/wmf/metafile.h"

#include <QColor>
#include <QFontDatabase>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace {

int usage() {
    std::fprintf(stderr, "usage: wmf2png INPUT.wmf OUTPUT.png [--dpi N] [--screen]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    // Rendering needs fonts but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // The pages name "Tahoma", which fontconfig does not scan in Debian's fonts-wine: load
    // it as the program does, so the drawing matches the screen.
    for (const char* file :
         {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"})
        QFontDatabase::addApplicationFont(QString::fromLatin1(file));
    QStringList args = app.arguments().mid(1);
    double dpi = 96;
    if (const qsizetype at = args.indexOf(QStringLiteral("--dpi")); at >= 0) {
        bool ok = false;
        dpi = at + 1 < args.size() ? args[at + 1].toDouble(&ok) : 0;
        if (!ok || dpi <= 0 || dpi > 4800)
            return usage();
        args.remove(at, 2);
    }
    QColor background = Qt::white;
    if (args.removeAll(QStringLiteral("--screen")) > 0)
        background = QColor(39, 63, 137);
    if (args.size() != 2)
        return usage();
    const auto result = wmf::Metafile::readFile(args[0]);
    if (const auto* error = std::get_if<wmf::Error>(&result)) {
        std::fprintf(stderr, "%s: %s (offset %lld)\n", qPrintable(args[0]),
                     qPrintable(error->message), static_cast<long long>(error->offset));
        return 1;
    }
    const QImage image = std::get<wmf::Metafile>(result).toImage(dpi, background);
    if (!image.save(args[1], "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args[1]));
        return 1;
    }
    return 0;
}
