#pragma once

#include "media/wmf/metafiledata.h"

#include <QRectF>

class QPainter;

namespace wmf {

/// Plays the records of a metafile onto a painter, one handler per record kind.
/// Records without a handler (palettes, escapes with embedded pictures, flood fills)
/// change nothing.
class Player {
public:
    /// Returns false when raster operations combined the drawing with what lay beneath.
    static bool play(const MetafileData& data, QPainter& painter, const QRectF& target);
};

} // namespace wmf
