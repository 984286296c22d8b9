#pragma once

#include <QImage>

/// Tolerant comparison of a rendering with a reference image.
///
/// Both are made grey, the rendering is fitted to the reference's size, and both are
/// averaged over blocks of a fortieth of the longer side, so that antialiasing,
/// font hinting and one-pixel shifts hardly count; the best of the rendering moved by up to
/// half a block each way, to the pixel, is taken. The score is the summed absolute
/// difference of the blocks over the ink (darkness) of the darker of the two images:
/// 0 is the same picture, 1 is nothing in common.
class ImageComparison {
public:
    static double score(const QImage& rendering, const QImage& reference);
    /// The two side by side (rendering left), for looking at a difference.
    static QImage sideBySide(const QImage& rendering, const QImage& reference);
};
