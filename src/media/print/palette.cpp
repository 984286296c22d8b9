#include "media/print/printservice.h"

#include <QColor>
#include <array>

namespace media {

QColor paletteColor(int index) {
    static constexpr std::array<QRgb, 16> kPalette = {
        qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
        qRgb(128, 0, 0),     qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),
        qRgb(255, 0, 0),     qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 255, 255)};
    // The palette repeats every 16 entries, as the printer's colour table does.
    const int entry = ((index % 16) + 16) % 16;
    return QColor(kPalette[static_cast<std::size_t>(entry)]);
}

} // namespace media
