#include "instruments.h"

#include <algorithm>
#include <cmath>

using namespace synth;

namespace instruments {

namespace {

// Sum of harmonics up to 5 kHz, each weighted by `weight(n)`; `phase` is in cycles. Harmonics
// thin out over the last kilohertz, so a gliding pitch does not click as one drops away.
double harmonics(double phase, double freq, double (*weight)(int, double), double param) {
    double v = 0;
    for (int n = 1; n * freq < 5000 && n <= 24; ++n) {
        const double taper = std::min(1.0, (5000 - n * freq) / 1000);
        v += taper * weight(n, param) * std::sin(2 * M_PI * n * phase);
    }
    return v;
}

double brassWeight(int n, double brightness) {
    return std::exp(-n * (1.4 - brightness)) / n * 3;
}
double sawWeight(int n, double) {
    return 1.0 / n;
}
double oddWeight(int n, double) {
    return (n % 2) ? 1.0 / n : 0.15 / n;
}

struct Vowel {
    char name;
    double f1, f2, f3;
};
const Vowel kVowels[] = {{'a', 750, 1150, 2600}, {'e', 450, 1900, 2600}, {'u', 330, 900, 2300}};

} // namespace

double midi(int note) {
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

Samples brass(double freq, double length) {
    Samples s(samplesFor(length));
    double phase = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        const double open = std::min(1.0, t / 0.06);
        const double vibrato = t > 0.25 ? 0.004 * std::sin(2 * M_PI * 5.5 * t) : 0;
        const double f = freq * (1 - 0.02 * (1 - open) + vibrato);
        phase += f / kRate;
        s[i] = harmonics(phase, f, brassWeight, 0.4 + 0.7 * open) * swell(t, length, 0.03, 0.08);
    }
    return s;
}

Samples flute(double freq, double length, Rng& rng) {
    Samples s(samplesFor(length));
    Biquad breath = Biquad::bandpass(freq * 2, 2.0);
    double phase = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        const double vibrato = 0.006 * std::sin(2 * M_PI * 5 * t) * std::min(1.0, t / 0.3);
        phase += freq * (1 + vibrato) / kRate;
        const double tone = std::sin(2 * M_PI * phase) + 0.22 * std::sin(4 * M_PI * phase) +
                            0.06 * std::sin(6 * M_PI * phase);
        const double chiff = 0.25 * hit(t, 0.01, 0.04) + 0.06;
        s[i] = (tone + breath(rng.bipolar()) * chiff * 3) * swell(t, length, 0.05, 0.07);
    }
    return s;
}

Samples choir(double freq, double length, char vowel, Rng& rng) {
    const Vowel* v = &kVowels[0];
    for (const auto& candidate : kVowels)
        if (candidate.name == vowel)
            v = &candidate;
    Biquad f1 = Biquad::bandpass(v->f1, 5), f2 = Biquad::bandpass(v->f2, 6);
    Biquad f3 = Biquad::bandpass(v->f3, 8);
    const double detune[] = {-0.004, 0.0, 0.0035, 0.007};
    double phases[4] = {rng.uniform(), rng.uniform(), rng.uniform(), rng.uniform()};
    Samples s(samplesFor(length));
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        double voices = 0;
        for (int k = 0; k < 4; ++k) {
            const double f =
                freq * (1 + detune[k] + 0.005 * std::sin(2 * M_PI * (5 + k * 0.4) * t + k));
            phases[k] += f / kRate;
            voices += harmonics(phases[k], f, sawWeight, 0);
        }
        s[i] = (f1(voices) + 0.7 * f2(voices) + 0.3 * f3(voices)) * swell(t, length, 0.07, 0.12);
    }
    return s;
}

Samples clap(Rng& rng, double brightness) {
    Samples s(samplesFor(0.16));
    Biquad band = Biquad::bandpass(900 + 900 * brightness, 1.4);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        double env = 0.35 * hit(t - 0.018, 0.002, 0.05);
        for (int k = 0; k < 3; ++k)
            env += hit(t - k * 0.007, 0.0008, 0.0035);
        s[i] = band(rng.bipolar()) * env;
    }
    return s;
}

Samples snare(Rng& rng, double loudness) {
    Samples s(samplesFor(0.14));
    Biquad hiss = Biquad::highpass(1800, 0.8);
    double phase = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        phase += (185 - 30 * t) / kRate;
        s[i] = loudness * (0.8 * hiss(rng.bipolar()) * hit(t, 0.001, 0.05) +
                           0.5 * std::sin(2 * M_PI * phase) * hit(t, 0.001, 0.025));
    }
    return s;
}

Samples coin(double freq, Rng& rng) {
    const double ratios[] = {1.0, 2.76, 5.40, 8.93};
    const double offset = rng.uniform() * 0.02;
    Samples s(samplesFor(0.35));
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        double v = 0;
        for (int k = 0; k < 4; ++k)
            v += std::sin(2 * M_PI * freq * (ratios[k] + offset) * t) *
                 hit(t, 0.0008, 0.09 / (k + 1)) / (k + 1);
        s[i] = v;
    }
    return s;
}

Samples glide(double from, double to, double length, double buzz) {
    Samples s(samplesFor(length));
    double phase = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double x = double(i) / s.size();
        const double f = from * std::pow(to / from, x);
        phase += f / kRate;
        const double pure = std::sin(2 * M_PI * phase);
        s[i] = (1 - buzz) * pure + buzz * harmonics(phase, f, oddWeight, 0);
    }
    return s;
}

Samples bandNoise(double length, double centre, double q, Rng& rng) {
    Samples s(samplesFor(length));
    Biquad band = Biquad::bandpass(centre, q);
    for (double& v : s)
        v = band(rng.bipolar());
    return s;
}

} // namespace instruments
