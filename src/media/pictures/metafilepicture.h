#pragma once

#include "forms/picture.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace media {

// Whether this build reads Windows Metafiles.
bool metafilesSupported();

// A Windows Metafile as a picture whose own size is the metafile's; nullopt, with the
// reader's reason in error, when the bytes are not a metafile it can read.
std::optional<forms::Picture> loadMetafile(const QByteArray& bytes, QString* error);

} // namespace media
