#pragma once

namespace media {

// Random numbers for the reward sounds.
class Random {
public:
    virtual ~Random() = default;
    virtual void reseed() = 0; // from the clock
    virtual double next() = 0; // uniform in [0, 1)
};

} // namespace media
