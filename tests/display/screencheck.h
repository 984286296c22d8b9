#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

// Pixels of two equally sized images whose colours differ by more than tolerance in a
// channel.
int differingPixels(const QImage& a, const QImage& b, int tolerance);

// Pixels of the image outside inner (every step-th across and down) that are not the
// given colour.
int otherThanAround(const QImage& image, const QRect& inner, const QColor& colour, int step);

// How blurred the edges of dark-on-light or light-on-dark shapes are: among the pixels
// that differ from the background colour, the share that lie between it and the ink
// colour (neither within a quarter of the way from one nor from the other). Text drawn
// sharply at a resolution has few such pixels; a smaller picture magnified has many.
double blurredShare(const QImage& image, const QColor& background, const QColor& ink);

// The mean difference in grey levels (0 to 255) of two equally sized images, each first
// averaged over square blocks of that many pixels a side.
double meanDifference(const QImage& a, const QImage& b, int block);
