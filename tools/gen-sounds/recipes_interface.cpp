// The short interface sounds: button click, answer key, label snap.
#include "recipes_interface.h"

#include "instruments.h"

#include <cmath>

using namespace synth;
using namespace instruments;

namespace recipes {

// The ticks start a few milliseconds in, so the fade-in that silences the first sample leaves
// their attack whole.
constexpr double kLeadIn = 0.003;

Samples click() {
    Rng rng(1);
    Samples s = bandNoise(0.05, 3200, 1.5, rng);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        s[i] = s[i] * hit(t, 0.0005, 0.005) +
               0.4 * std::sin(2 * M_PI * 1900 * t) * hit(t, 0.0005, 0.008);
    }
    Samples out;
    mix(out, s, kLeadIn);
    return out;
}

Samples typekey() {
    Rng rng(2);
    Samples s = silence(0.12);
    for (double at : {0.0, 0.045}) {
        Samples tap = bandNoise(0.06, at == 0 ? 2600 : 1700, 1.2, rng);
        for (std::size_t i = 0; i < tap.size(); ++i) {
            const double t = double(i) / kRate;
            tap[i] = tap[i] * hit(t, 0.0005, 0.007) +
                     0.5 * std::sin(2 * M_PI * 160 * t) * hit(t, 0.001, 0.015);
        }
        mix(s, tap, kLeadIn + at, at == 0 ? 1.0 : 0.45);
    }
    return s;
}

Samples thud3() {
    Rng rng(3);
    Samples body = glide(120, 50, 0.3, 0.1);
    Samples dust = bandNoise(0.3, 300, 0.7, rng);
    for (std::size_t i = 0; i < body.size(); ++i) {
        const double t = double(i) / kRate;
        body[i] = body[i] * hit(t, 0.002, 0.06) + 0.8 * dust[i] * hit(t, 0.001, 0.025);
    }
    Samples out;
    mix(out, body, kLeadIn);
    return out;
}

} // namespace recipes
