#pragma once

#include <cstdint>
#include <vector>

/// Small building blocks for synthesising the program's sounds: a sample buffer at one fixed
/// rate, a seeded noise source, filters and envelopes.
namespace synth {

constexpr int kRate = 22050; // samples per second, mono
using Samples = std::vector<double>;

/// Seeded pseudo-random numbers (splitmix64): the same seed gives the same noise everywhere.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : m_state(seed) {}
    double uniform(); // [0, 1)
    double bipolar() { return uniform() * 2 - 1; }

private:
    std::uint64_t m_state;
};

/// A two-pole filter (the usual audio cookbook forms). Frequencies in hertz.
class Biquad {
public:
    static Biquad lowpass(double freq, double q);
    static Biquad highpass(double freq, double q);
    static Biquad bandpass(double freq, double q);
    double operator()(double x);

private:
    double m_b0 = 1, m_b1 = 0, m_b2 = 0, m_a1 = 0, m_a2 = 0, m_z1 = 0, m_z2 = 0;
};

Samples silence(double seconds);
int samplesFor(double seconds);
/// Adds `in` into `out` starting at `at` seconds, growing `out` as needed.
void mix(Samples& out, const Samples& in, double at, double gain = 1.0);
/// Attack-decay envelope value at time t: rises over `attack`, then falls exponentially with
/// time constant `decay` (seconds).
double hit(double t, double attack, double decay);
/// Rises over `attack`, holds, and falls over `release` before `length` (seconds).
double swell(double t, double length, double attack, double release);
/// Scales to the given peak, then fades the first and last `fade` seconds to exact silence.
void finish(Samples& s, double peak, double fade);

} // namespace synth
