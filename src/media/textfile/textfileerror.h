#pragma once

#include <stdexcept>

namespace media {

// A text file could not be opened, read or written; what() says why in plain words.
class TextFileError : public std::runtime_error {
public:
    using runtime_error::runtime_error;
};

} // namespace media
