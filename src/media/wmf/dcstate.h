#pragma once

#include "media/wmf/gdiobjects.h"
#include "media/wmf/mapping.h"

#include <QPointF>
#include <QRegion>

#include <optional>

namespace wmf {

/// The drawing state that SaveDC keeps and RestoreDC brings back, with GDI's defaults.
struct DcState {
    Mapping mapping;
    PenSpec pen;
    BrushSpec brush;
    FontSpec font;
    QColor textColor = Qt::black;
    QColor bkColor = Qt::white;
    bool bkOpaque = true;
    int textAlign = 0;
    bool windingFill = false;
    int rop2 = 13; // R2_COPYPEN
    int textCharExtra = 0;
    QPointF position; ///< current position, logical units
    /// Clip in painter coordinates; empty optional = only the target clips.
    std::optional<QRegion> clip;
};

} // namespace wmf
