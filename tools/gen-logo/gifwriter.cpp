#include "gifwriter.h"

#include <QMap>

#include <gif_lib.h>

#include <algorithm>
#include <vector>

namespace {

constexpr int kPaletteSize = 256;

// The most used colours, ties broken by value, so the palette is the same on every run.
QList<QRgb> palette(const QImage& image) {
    QMap<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000u];
    std::vector<std::pair<int, QRgb>> byUse;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        byUse.emplace_back(-it.value(), it.key());
    std::sort(byUse.begin(), byUse.end());
    QList<QRgb> colours;
    for (const auto& entry : byUse) {
        if (colours.size() == kPaletteSize)
            break;
        colours << entry.second;
    }
    while (colours.size() < kPaletteSize)
        colours << qRgb(0, 0, 0);
    return colours;
}

} // namespace

QString writeGif(const QImage& source, const QString& path) {
    const QList<QRgb> colours = palette(source.convertToFormat(QImage::Format_RGB32));
    const QImage indexed = source.convertToFormat(QImage::Format_Indexed8, colours,
                                                  Qt::ThresholdDither | Qt::AvoidDither);
    std::vector<GifColorType> entries(kPaletteSize);
    for (int i = 0; i < kPaletteSize; ++i) {
        const QRgb c = i < indexed.colorCount() ? indexed.color(i) : qRgb(0, 0, 0);
        entries[i] = {GifByteType(qRed(c)), GifByteType(qGreen(c)), GifByteType(qBlue(c))};
    }
    int error = 0;
    GifFileType* gif = EGifOpenFileName(path.toLocal8Bit().constData(), false, &error);
    if (!gif)
        return QString::fromUtf8(GifErrorString(error));
    ColorMapObject* map = GifMakeMapObject(kPaletteSize, entries.data());
    bool ok =
        map && EGifPutScreenDesc(gif, indexed.width(), indexed.height(), 8, 0, map) == GIF_OK &&
        EGifPutImageDesc(gif, 0, 0, indexed.width(), indexed.height(), false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < indexed.height(); ++y) {
        auto* line = const_cast<GifPixelType*>(indexed.constScanLine(y));
        ok = EGifPutLine(gif, line, indexed.width()) == GIF_OK;
    }
    const QString message = ok ? QString() : QString::fromUtf8(GifErrorString(gif->Error));
    GifFreeMapObject(map);
    if (EGifCloseFile(gif, &error) != GIF_OK && ok)
        return QString::fromUtf8(GifErrorString(error));
    return message;
}
