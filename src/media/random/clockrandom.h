#pragma once

#include "media/random/random.h"

#include <random>

namespace media {

// Random numbers from a 64-bit Mersenne Twister, reseeded from the high-resolution clock.
class ClockRandom final : public Random {
public:
    ClockRandom();
    void reseed() override;
    double next() override;

private:
    std::mt19937_64 m_engine;
};

} // namespace media
