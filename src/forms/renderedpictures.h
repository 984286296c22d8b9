#pragma once

#include "forms/picture.h"

#include <QImage>
#include <QPainter>
#include <QRect>

namespace forms {

// Pictures drawn once at a display's resolution and kept, shared by every picture
// control. A metafile page or a smoothly scaled photograph of a 4K display takes tens of
// milliseconds to draw and the same pictures come back again and again in a lesson; a
// kept one is copied onto the screen. The cache holds a few displays' worth of pixels,
// the least recently used going first.
namespace rendered {

// The picture drawn into an image of size logical pixels at device pixel ratio dpr (the
// image's size is size × dpr), kept or drawn now with the given hints and kept; a null
// image for a picture that must be drawn straight onto its background every time (it
// combines its colours with what lies beneath). displayPixels is the area of the
// display in device pixels, which sets the cache's budget. A valid backdrop is the one
// colour that lies beneath the picture on its screen: the picture is kept laid on it,
// opaque, so that it is copied rather than blended, whatever it does with its background.
QImage picture(const Picture& picture, QSize size, qreal dpr, QPainter::RenderHints hints,
               qint64 displayPixels, const QColor& backdrop = {});

// Draws the picture filling target as picture() keeps it, when it is kept and the
// painter maps target onto whole device pixels unscaled but for the device pixel ratio.
// Otherwise does nothing and returns false, and the caller draws the picture itself: a
// picture first shown is drawn straight onto its screen, which is quicker than drawing
// and copying it, and kept once the event loop is free again.
bool draw(QPainter& painter, const Picture& picture, const QRect& target,
          const QColor& backdrop = {});

// Forgets every kept picture.
void clear();

} // namespace rendered
} // namespace forms
