#pragma once

#include <QByteArrayView>

namespace media {

// Whether bytes begin like a Windows Metafile: the placeable header's key, or a META
// header (type 1 or 2, nine words long, version 1.0 or 3.0).
bool looksLikeMetafile(QByteArrayView bytes);

} // namespace media
