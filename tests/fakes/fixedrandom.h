#pragma once

#include "media/random/random.h"

#include <vector>

namespace fakes {

// Returns a scripted sequence of values, then repeats the last one (0 when none is
// given). Counts the reseeds.
class FixedRandom final : public media::Random {
public:
    FixedRandom() = default;
    explicit FixedRandom(std::vector<double> values) : values(std::move(values)) {}

    void reseed() override { ++reseeds; }
    double next() override;

    std::vector<double> values;
    std::size_t drawn = 0;
    int reseeds = 0;
};

} // namespace fakes
