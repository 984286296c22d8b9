#pragma once

#include <QString>

namespace media {

// The program names its files relative to its folder, with "\" or "/" as separator and
// with a case that need not match the disk ("Images\..." and "images\..." name one
// folder). Turns every "\" into "/"; then, when that exact path does not exist relative
// to the working directory, matches each path component case-insensitively against its
// directory's listing (the first match wins) and returns the path so resolved. Components
// that match nothing, and every component after them, are returned as given.
QString programPath(const QString& relative);

} // namespace media
