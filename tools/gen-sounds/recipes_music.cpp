// The musical rewards: choir, fanfares, flute tune, gong and the slot machine's jingle.
#include "instruments.h"
#include "recipes_rewards.h"

#include <cmath>
#include <vector>

using namespace synth;
using namespace instruments;

namespace recipes {

namespace {

struct Note {
    int pitch;     // note number; 0 is a rest
    double length; // seconds
};

struct Syllable {
    std::vector<int> chord;
    char vowel;
    double length;
};

// Plays a melody on the brass, with an optional second trumpet `harmony` semitones below.
Samples brassLine(const std::vector<Note>& notes, int harmony) {
    Samples s;
    double at = 0;
    for (const auto& n : notes) {
        if (n.pitch) {
            mix(s, brass(midi(n.pitch), n.length * 0.92), at);
            if (harmony)
                mix(s, brass(midi(n.pitch - harmony), n.length * 0.92), at, 0.6);
        }
        at += n.length;
    }
    return s;
}

} // namespace

Samples halleluj() {
    Rng rng(10);
    const std::vector<int> one{50, 62, 66, 69, 74}, four{55, 62, 67, 71, 74},
        five{45, 61, 64, 69, 76};
    // "Hal-le-lu-jah, hal-le-lu-jah!": the second answer comes home to the key chord.
    const std::vector<Syllable> words{{one, 'a', 0.26},  {one, 'e', 0.13}, {four, 'u', 0.26},
                                      {five, 'a', 0.48}, {one, 'a', 0.26}, {one, 'e', 0.13},
                                      {four, 'u', 0.26}, {one, 'a', 1.0}};
    Samples s;
    double at = 0;
    for (const auto& w : words) {
        for (int pitch : w.chord)
            mix(s, choir(midi(pitch), w.length + 0.04, w.vowel, rng), at, pitch < 57 ? 0.8 : 1.0);
        at += w.length;
    }
    return s;
}

Samples fanf2() {
    Samples s = brassLine(
        {{67, 0.14}, {67, 0.14}, {67, 0.14}, {72, 0.5}, {0, 0.06}, {76, 0.18}, {79, 0.95}}, 0);
    mix(s, brassLine({{0, 1.18}, {64, 0.95}}, 0), 0, 0.7);
    mix(s, brassLine({{0, 1.18}, {48, 0.95}}, 0), 0, 0.8);
    return s;
}

Samples fanf3() {
    // The bugle call: up the chord, a breath, and the answer held.
    Samples s = brassLine(
        {{67, 0.15}, {72, 0.15}, {76, 0.15}, {79, 0.3}, {0, 0.08}, {76, 0.12}, {79, 1.0}}, 0);
    mix(s, brassLine({{0, 0.93}, {60, 1.0}}, 0), 0, 0.7);
    mix(s, brassLine({{0, 0.93}, {48, 1.0}}, 0), 0, 0.7);
    return s;
}

Samples fanf4() {
    return brassLine({{67, 0.12},
                      {67, 0.12},
                      {72, 0.32},
                      {67, 0.12},
                      {72, 0.12},
                      {76, 0.32},
                      {72, 0.12},
                      {76, 0.12},
                      {79, 1.1}},
                     4);
}

Samples flute() {
    Rng rng(11);
    const std::vector<Note> tune{{79, 0.22}, {81, 0.22}, {83, 0.22}, {86, 0.42},
                                 {83, 0.22}, {79, 0.22}, {81, 0.3},  {79, 0.75}};
    Samples s;
    double at = 0;
    for (const auto& n : tune) {
        mix(s, instruments::flute(midi(n.pitch), n.length + 0.03, rng), at);
        at += n.length;
    }
    return s;
}

Samples gong() {
    Rng rng(12);
    const double base = 110;
    const double ratios[] = {1.0, 1.52, 2.03, 2.61, 3.14, 3.72, 4.41, 5.2};
    Samples s = silence(2.9);
    Biquad thump = Biquad::lowpass(300, 0.7);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        double v = 0;
        for (int k = 0; k < 8; ++k) {
            // Upper partials bloom a moment after the strike, as a big gong's shimmer does.
            const double bloom = k > 2 ? std::min(1.0, 0.3 + t / 0.4) : 1.0;
            const double beat = 1 + 0.3 * std::sin(2 * M_PI * (0.7 + k * 0.3) * t);
            v += std::sin(2 * M_PI * base * ratios[k] * t) * bloom * beat *
                 std::exp(-t / (1.6 - k * 0.15)) / (1 + k * 0.35);
        }
        s[i] = v + 2.5 * thump(rng.bipolar()) * hit(t, 0.002, 0.04);
    }
    return s;
}

Samples slotPayoff() {
    Rng rng(13);
    Samples s;
    const int arpeggio[] = {72, 76, 79, 84, 76, 79, 84, 88};
    for (int k = 0; k < 8; ++k) {
        Samples bleep = glide(midi(arpeggio[k]), midi(arpeggio[k]), 0.09, 0.6);
        for (std::size_t i = 0; i < bleep.size(); ++i)
            bleep[i] *= hit(double(i) / kRate, 0.002, 0.04);
        mix(s, bleep, k * 0.075, 0.6);
    }
    // The coins pour out faster and then thin away.
    for (int c = 0; c < 34; ++c) {
        const double x = double(c) / 34;
        const double at = 0.55 + 1.7 * x * x * 0.6 + 1.7 * x * 0.4 + rng.uniform() * 0.05;
        mix(s, coin(2300 + 1200 * rng.uniform(), rng), at, 0.5 + 0.4 * rng.uniform());
    }
    return s;
}

} // namespace recipes
