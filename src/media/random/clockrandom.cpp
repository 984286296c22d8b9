#include "media/random/clockrandom.h"

#include <chrono>

namespace media {

ClockRandom::ClockRandom() {
    reseed();
}

void ClockRandom::reseed() {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    m_engine.seed(static_cast<std::uint64_t>(ticks));
}

double ClockRandom::next() {
    // generate_canonical can return exactly 1.0 through rounding; 53 random bits cannot.
    return static_cast<double>(m_engine() >> 11) * 0x1.0p-53;
}

} // namespace media
