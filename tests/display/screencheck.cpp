#include "display/screencheck.h"

#include <cmath>

namespace {

int channelDistance(QRgb a, QRgb b) {
    return qMax(qAbs(qRed(a) - qRed(b)),
                qMax(qAbs(qGreen(a) - qGreen(b)), qAbs(qBlue(a) - qBlue(b))));
}

} // namespace

int differingPixels(const QImage& a, const QImage& b, int tolerance) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col) {
            if (channelDistance(p[col], q[col]) > tolerance) {
                ++count;
            }
        }
    }
    return count;
}

int otherThanAround(const QImage& image, const QRect& inner, const QColor& colour, int step) {
    const QImage x = image.convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int row = 0; row < x.height(); row += step) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        for (int col = 0; col < x.width(); col += step) {
            if (!inner.contains(col, row) && channelDistance(p[col], colour.rgb()) > 8) {
                ++count;
            }
        }
    }
    return count;
}

double blurredShare(const QImage& image, const QColor& background, const QColor& ink) {
    const QImage x = image.convertToFormat(QImage::Format_RGB32);
    const int span = channelDistance(background.rgb(), ink.rgb());
    int marked = 0, between = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        for (int col = 0; col < x.width(); ++col) {
            const int fromBackground = channelDistance(p[col], background.rgb());
            if (fromBackground * 4 <= span) {
                continue;
            }
            ++marked;
            if (channelDistance(p[col], ink.rgb()) * 4 > span) {
                ++between;
            }
        }
    }
    return marked ? double(between) / marked : 1.0;
}

double meanDifference(const QImage& a, const QImage& b, int block) {
    const QSize small(a.width() / block, a.height() / block);
    const QImage x = a.convertToFormat(QImage::Format_Grayscale8)
                         .scaled(small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage y = b.convertToFormat(QImage::Format_Grayscale8)
                         .scaled(small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const uchar* p = x.constScanLine(row);
        const uchar* q = y.constScanLine(row);
        for (int col = 0; col < x.width(); ++col) {
            sum += std::abs(int(p[col]) - int(q[col]));
        }
    }
    return sum / (double(x.width()) * x.height());
}
