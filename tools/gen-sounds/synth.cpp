#include "synth.h"

#include <algorithm>
#include <cmath>

namespace synth {

double Rng::uniform() {
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return double(z >> 11) / double(1ull << 53);
}

namespace {

struct Coefficients {
    double w, cosw, alpha;
};

Coefficients prepare(double freq, double q) {
    const double w = 2 * M_PI * freq / kRate;
    return {w, std::cos(w), std::sin(w) / (2 * q)};
}

} // namespace

Biquad Biquad::lowpass(double freq, double q) {
    const auto c = prepare(freq, q);
    const double a0 = 1 + c.alpha;
    Biquad f;
    f.m_b0 = (1 - c.cosw) / 2 / a0;
    f.m_b1 = (1 - c.cosw) / a0;
    f.m_b2 = f.m_b0;
    f.m_a1 = -2 * c.cosw / a0;
    f.m_a2 = (1 - c.alpha) / a0;
    return f;
}

Biquad Biquad::highpass(double freq, double q) {
    const auto c = prepare(freq, q);
    const double a0 = 1 + c.alpha;
    Biquad f;
    f.m_b0 = (1 + c.cosw) / 2 / a0;
    f.m_b1 = -(1 + c.cosw) / a0;
    f.m_b2 = f.m_b0;
    f.m_a1 = -2 * c.cosw / a0;
    f.m_a2 = (1 - c.alpha) / a0;
    return f;
}

Biquad Biquad::bandpass(double freq, double q) {
    const auto c = prepare(freq, q);
    const double a0 = 1 + c.alpha;
    Biquad f;
    f.m_b0 = c.alpha / a0;
    f.m_b1 = 0;
    f.m_b2 = -c.alpha / a0;
    f.m_a1 = -2 * c.cosw / a0;
    f.m_a2 = (1 - c.alpha) / a0;
    return f;
}

double Biquad::operator()(double x) {
    // Transposed direct form II: two state values, stable for these small filters.
    const double y = m_b0 * x + m_z1;
    m_z1 = m_b1 * x - m_a1 * y + m_z2;
    m_z2 = m_b2 * x - m_a2 * y;
    return y;
}

int samplesFor(double seconds) {
    return int(std::lround(seconds * kRate));
}

Samples silence(double seconds) {
    return Samples(samplesFor(seconds), 0.0);
}

void mix(Samples& out, const Samples& in, double at, double gain) {
    const std::size_t start = samplesFor(at);
    if (out.size() < start + in.size())
        out.resize(start + in.size(), 0.0);
    for (std::size_t i = 0; i < in.size(); ++i)
        out[start + i] += in[i] * gain;
}

double hit(double t, double attack, double decay) {
    if (t < 0)
        return 0;
    if (t < attack)
        return t / attack;
    return std::exp(-(t - attack) / decay);
}

double swell(double t, double length, double attack, double release) {
    if (t < 0 || t > length)
        return 0;
    const double rise = attack > 0 ? std::min(1.0, t / attack) : 1.0;
    const double fall = release > 0 ? std::min(1.0, (length - t) / release) : 1.0;
    return std::min(rise, fall);
}

void finish(Samples& s, double peak, double fade) {
    double mean = 0;
    for (double v : s)
        mean += v;
    mean /= std::max<std::size_t>(1, s.size());
    double top = 0;
    for (double& v : s) {
        v -= mean;
        top = std::max(top, std::abs(v));
    }
    const double gain = top > 0 ? peak / top : 0;
    const int n = std::min<int>(samplesFor(fade), int(s.size()) / 2);
    for (std::size_t i = 0; i < s.size(); ++i) {
        double g = gain;
        const int fromEnd = int(s.size() - 1 - i);
        if (int(i) < n)
            g *= 0.5 - 0.5 * std::cos(M_PI * double(i) / n);
        if (fromEnd < n)
            g *= 0.5 - 0.5 * std::cos(M_PI * double(fromEnd) / n);
        s[i] *= g;
    }
}

} // namespace synth
