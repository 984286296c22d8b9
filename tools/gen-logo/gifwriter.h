#pragma once

#include <QImage>
#include <QString>

/// Writes one picture as a single-frame GIF with a 256-colour palette (Qt reads GIF but does
/// not write it). The palette keeps the picture's most used colours exactly, so a flat
/// background stays its exact colour. Returns an empty string, or what went wrong.
QString writeGif(const QImage& image, const QString& path);
