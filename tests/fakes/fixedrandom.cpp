#include "fakes/fixedrandom.h"

namespace fakes {

double FixedRandom::next() {
    if (values.empty()) {
        ++drawn;
        return 0.0;
    }
    const std::size_t at = drawn < values.size() ? drawn : values.size() - 1;
    ++drawn;
    return values[at];
}

} // namespace fakes
