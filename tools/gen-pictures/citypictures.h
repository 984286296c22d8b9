#pragma once

#include <QPainter>
#include <QSizeF>

/// The city pictures of the menus and the quiz screen. Each draws a whole picture of the
/// given size in pixels.
namespace citypictures {

void skyline(QPainter& p, QSizeF size);       // Manchester.jpg
void canalAndMills(QPainter& p, QSizeF size); // canalbig.jpg
void cityIcon(QPainter& p, QSizeF size);      // manchestersm.jpg
void millIcon(QPainter& p, QSizeF size);      // millsm.jpg

} // namespace citypictures
