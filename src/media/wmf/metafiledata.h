#pragma once

#include "media/wmf/record.h"

#include <QByteArray>
#include <QRectF>

#include <vector>

namespace wmf {

/// What the reader found in a metafile's bytes; shared by copies of a Metafile.
struct MetafileData {
    QByteArray bytes;
    bool placeable = false;
    QRectF frame;             ///< the area that maps onto the target, in frame units
    double unitsPerInch = 96; ///< frame units per inch
    int objectCount = 0;      ///< object table size from the META header
    std::vector<Record> records;
};

} // namespace wmf
