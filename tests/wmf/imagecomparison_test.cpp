// The image score must call a picture moved by a few pixels the same and a different
// picture different, or the corpus bars mean nothing.
#include "wmf/imagecomparison.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

QImage drawing(QPoint offset, bool withCircle) {
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(offset);
    painter.setPen(QPen(Qt::black, 2));
    for (int x = 40; x < 360; x += 40)
        painter.drawLine(x, 40, x, 260);
    painter.drawText(QPointF(50, 30), QStringLiteral("Grid of lines"));
    if (withCircle) {
        painter.setBrush(Qt::darkGray);
        painter.drawEllipse(QPointF(200, 150), 80, 80);
    }
    return image;
}

TEST(WmfImageComparison, APictureMovedByAFewPixelsIsTheSame) {
    const QImage reference = drawing({0, 0}, false);
    EXPECT_LT(ImageComparison::score(drawing({3, -2}, false), reference), 0.05);
}

TEST(WmfImageComparison, ADifferentPictureIsNot) {
    const QImage reference = drawing({0, 0}, false);
    EXPECT_GT(ImageComparison::score(drawing({0, 0}, true), reference), 0.5);
    QImage blank(reference.size(), QImage::Format_RGB32);
    blank.fill(Qt::white);
    EXPECT_GT(ImageComparison::score(blank, reference), 0.9);
}

TEST(WmfImageComparison, LinesMovedByHalfTheirSpacingAreNot) {
    const QImage reference = drawing({0, 0}, false);
    EXPECT_GT(ImageComparison::score(drawing({20, 0}, false), reference), 0.3);
}

} // namespace
