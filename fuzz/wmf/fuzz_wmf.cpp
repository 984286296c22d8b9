// Reads any bytes as a metafile and, when they read, plays them onto a small image.
#include "media/wmf/metafile.h"

#include <QGuiApplication>
#include <QPainter>

#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Text drawing needs the font database, which needs a GUI application (no screen).
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static auto* app = new QGuiApplication(*argc, *argv);
    (void)app;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto result =
        wmf::Metafile::read(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (const auto* metafile = std::get_if<wmf::Metafile>(&result)) {
        QImage image(64, 64, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        metafile->draw(painter, QRectF(0, 0, 64, 64));
        (void)metafile->sizeTwips();
    }
    return 0;
}
