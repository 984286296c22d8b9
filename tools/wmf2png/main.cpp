// wmf2png INPUT.wmf OUTPUT.png [--dpi N]: renders a Windows Metafile at its own size on
// white, 96 dots per inch unless told otherwise.
#include "media/wmf/metafile.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace {

int usage() {
    std::fprintf(stderr, "usage: wmf2png INPUT.wmf OUTPUT.png [--dpi N]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    // Rendering needs fonts but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    double dpi = 96;
    if (const qsizetype at = args.indexOf(QStringLiteral("--dpi")); at >= 0) {
        bool ok = false;
        dpi = at + 1 < args.size() ? args[at + 1].toDouble(&ok) : 0;
        if (!ok || dpi <= 0 || dpi > 4800)
            return usage();
        args.remove(at, 2);
    }
    if (args.size() != 2)
        return usage();
    const auto result = wmf::Metafile::readFile(args[0]);
    if (const auto* error = std::get_if<wmf::Error>(&result)) {
        std::fprintf(stderr, "%s: %s (offset %lld)\n", qPrintable(args[0]),
                     qPrintable(error->message), static_cast<long long>(error->offset));
        return 1;
    }
    const QImage image = std::get<wmf::Metafile>(result).toImage(dpi, Qt::white);
    if (!image.save(args[1], "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args[1]));
        return 1;
    }
    return 0;
}
