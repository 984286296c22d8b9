#pragma once

#include "media/wmf/playcontext.h"
#include "media/wmf/recordparams.h"

#include <QHash>

namespace wmf {

/// Plays one record. Parameters are in the record's order (GDI writes them last
/// argument first); a handler checks the count it needs and skips a short record.
using Handler = void (*)(PlayContext&, const RecordParams&);
using HandlerTable = QHash<quint16, Handler>;

/// A COLORREF (0x00bbggrr) stored at a word index.
inline QColor colorAt(const RecordParams& p, int word) {
    const quint32 ref = p.u32(word);
    return QColor(int(ref & 0xFF), int((ref >> 8) & 0xFF), int((ref >> 16) & 0xFF));
}

/// A point stored as y, x (GDI's order) at a word index.
inline QPointF pointAt(const RecordParams& p, int word) {
    return QPointF(p.s16(word + 1), p.s16(word));
}

// Each group of records adds its handlers to the table.
void addStateHandlers(HandlerTable& table);
void addClipHandlers(HandlerTable& table);
void addObjectHandlers(HandlerTable& table);
void addShapeHandlers(HandlerTable& table);
void addTextHandlers(HandlerTable& table);
void addBitmapHandlers(HandlerTable& table);
void addRegionHandlers(HandlerTable& table);

} // namespace wmf
