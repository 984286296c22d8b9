#include "media/pictures/metafilepicture.h"

// Used when the build has no metafile reader (the library pw_wmf is absent).
namespace media {

bool metafilesSupported() {
    return false;
}

std::optional<forms::Picture> loadMetafile(const QByteArray&, QString* error) {
    if (error) {
        *error = QStringLiteral("Windows Metafiles cannot be read by this build");
    }
    return std::nullopt;
}

} // namespace media
