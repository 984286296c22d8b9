#include "wmf/imagecomparison.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Block averages of a grey image.
std::vector<double> blocks(const QImage& grey, int block) {
    const int bw = (grey.width() + block - 1) / block, bh = (grey.height() + block - 1) / block;
    std::vector<double> sums(size_t(bw) * size_t(bh), 0.0), counts(sums.size(), 0.0);
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* line = grey.constScanLine(y);
        for (int x = 0; x < grey.width(); ++x) {
            const size_t i = size_t(y / block) * size_t(bw) + size_t(x / block);
            sums[i] += line[x];
            counts[i] += 1;
        }
    }
    for (size_t i = 0; i < sums.size(); ++i)
        sums[i] /= std::max(1.0, counts[i]);
    return sums;
}

} // namespace

namespace {

QImage shifted(const QImage& grey, int dx, int dy) {
    QImage out(grey.size(), QImage::Format_Grayscale8);
    out.fill(255);
    QPainter painter(&out);
    painter.drawImage(dx, dy, grey);
    return out;
}

double blockScore(const std::vector<double>& a, const std::vector<double>& b) {
    double difference = 0, inkA = 0, inkB = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        difference += std::abs(a[i] - b[i]);
        inkA += 255 - a[i];
        inkB += 255 - b[i];
    }
    // A nearly blank reference would make any speck count fully: at least 1% ink.
    const double ink = std::max({inkA, inkB, 0.01 * 255 * double(a.size())});
    return std::min(1.0, difference / ink);
}

} // namespace

// The best of the rendering moved by up to half a block each way: a picture placed a few
// pixels apart by rounding is the same picture. The shift is found by a descent that
// halves its step, from half a block down to one pixel.
double ImageComparison::score(const QImage& rendering, const QImage& reference) {
    if (rendering.isNull() || reference.isNull())
        return 1.0;
    const QImage ref = reference.convertToFormat(QImage::Format_Grayscale8);
    const QImage ours = rendering.convertToFormat(QImage::Format_Grayscale8)
                            .scaled(ref.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const int block = std::max(4, std::max(ref.width(), ref.height()) / 40);
    const int limit = block / 2;
    const std::vector<double> b = blocks(ref, block);
    auto at = [&](int dx, int dy) { return blockScore(blocks(shifted(ours, dx, dy), block), b); };
    int bestX = 0, bestY = 0;
    double best = at(0, 0);
    for (int step = std::max(1, limit); step >= 1; step /= 2) {
        for (bool moved = true; moved;) {
            moved = false;
            for (int dy = -step; dy <= step; dy += step)
                for (int dx = -step; dx <= step; dx += step) {
                    const int x = bestX + dx, y = bestY + dy;
                    if ((dx || dy) && std::abs(x) <= limit && std::abs(y) <= limit) {
                        if (const double score = at(x, y); score < best)
                            best = score, bestX = x, bestY = y, moved = true;
                    }
                }
        }
    }
    return best;
}

QImage ImageComparison::sideBySide(const QImage& rendering, const QImage& reference) {
    QImage out(rendering.width() + reference.width() + 8,
               std::max(rendering.height(), reference.height()), QImage::Format_RGB32);
    out.fill(Qt::red);
    QPainter painter(&out);
    painter.drawImage(0, 0, rendering);
    painter.drawImage(rendering.width() + 8, 0, reference);
    return out;
}
