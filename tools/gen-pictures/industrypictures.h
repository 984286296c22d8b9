#pragma once

#include <QPainter>
#include <QSizeF>

/// The four industry pictures of the development labelling screen. Each draws a whole picture
/// of the given size in pixels, with no words on it: the pupil supplies the names.
namespace industrypictures {

void railways(QPainter& p, QSizeF size); // railways.jpg: a steam train on a viaduct
void bank(QPainter& p, QSizeF size);     // bank.jpg: a columned bank with gold coins
void canal(QPainter& p, QSizeF size);    // canal.jpg: a narrowboat at a lock
void mill(QPainter& p, QSizeF size);     // mill.jpg: a cotton mill and its chimney

} // namespace industrypictures
