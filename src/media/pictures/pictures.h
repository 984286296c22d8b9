#pragma once

#include "forms/picture.h"

#include <QString>
#include <optional>

namespace media {

// Loads pictures by the program's relative names ("Images\venicesm.jpg"). "\" becomes
// "/"; when the exact path is missing each path component is matched without regard
// to case. JPEG, GIF and BMP through Qt; Windows Metafiles through the program's own
// reader. An empty name gives a null picture (it clears a picture control).
class Pictures {
public:
    virtual ~Pictures() = default;
    // nullopt when the file is missing or unreadable; error (if given) then says why.
    virtual std::optional<forms::Picture> load(const QString& name, QString* error = nullptr) = 0;
};

} // namespace media
