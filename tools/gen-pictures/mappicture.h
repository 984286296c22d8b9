#pragma once

#include "boroughmap.h"

#include <QImage>

/// Drawing of the borough map and of the documentation previews.
namespace mappicture {

/// The map picture at the map's own picture size: coloured boroughs, dark counties, no names.
QImage draw(const BoroughMap& map);

/// The labelling screen at 800 x 600 pixels: the map in its screen rectangle, the answer boxes
/// and the name labels at their places, as a pupil sees the activity before dragging.
QImage activityPreview(const BoroughMap& map, const QImage& picture);

/// The title picture as the title screen shows it, at its own size in a frame.
QImage titlePreview(const QImage& picture);

} // namespace mappicture
