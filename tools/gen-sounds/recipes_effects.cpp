// The rewards that are not music: crowds, claps, drums, horns and whooshes.
#include "instruments.h"
#include "recipes_rewards.h"

#include <cmath>

using namespace synth;
using namespace instruments;

namespace recipes {

namespace {

// Many voices, each a band of noise rising and falling like a shout, under one swell.
Samples crowdOf(int voices, double length, double low, double high, Rng& rng) {
    Samples s = silence(length);
    for (int v = 0; v < voices; ++v) {
        const double centre = low + (high - low) * rng.uniform();
        Samples voice = bandNoise(length, centre, 4, rng);
        const double rate = 2 + 4 * rng.uniform(), start = rng.uniform() * 0.4;
        for (std::size_t i = 0; i < voice.size(); ++i) {
            const double t = double(i) / kRate;
            voice[i] *= (0.6 + 0.4 * std::sin(2 * M_PI * rate * t + v)) *
                        swell(t - start, length - start, 0.3, 0.5);
        }
        mix(s, voice, 0);
    }
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] *= swell(double(i) / kRate, length, 0.5, 0.8);
    return s;
}

Samples enveloped(Samples s, double attack, double decay) {
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] *= hit(double(i) / kRate, attack, decay);
    return s;
}

// A slide whistle: a pure, wobbling tone gliding between two pitches.
Samples slide(double from, double to, double length) {
    Samples s = glide(from, to, length, 0.05);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        s[i] *= swell(t, length, 0.03, 0.06) * (0.85 + 0.15 * std::sin(2 * M_PI * 6 * t));
    }
    return s;
}

} // namespace

Samples crowd() {
    Rng rng(20);
    Samples s = crowdOf(40, 2.8, 350, 1500, rng);
    mix(s, crowdOf(8, 2.8, 180, 320, rng), 0, 0.7);
    return s;
}

Samples cheer2() {
    Rng rng(21);
    Samples s = crowdOf(30, 1.9, 700, 2600, rng);
    for (int w = 0; w < 2; ++w)
        mix(s, slide(1500 + 300 * w, 2600 + 200 * w, 0.5), 0.35 + w * 0.6, 0.15);
    for (int c = 0; c < 16; ++c)
        mix(s, clap(rng, rng.uniform()), 0.2 + 1.4 * rng.uniform(), 0.3);
    return s;
}

Samples klaxon() {
    Samples s;
    for (int honk = 0; honk < 2; ++honk) {
        // "Aa-oo-ga": the motor winds up in pitch, holds, and drops away.
        Samples h = silence(0.6);
        Biquad horn = Biquad::bandpass(800, 1.2);
        double phase = 0;
        for (std::size_t i = 0; i < h.size(); ++i) {
            const double t = double(i) / kRate;
            const double f =
                t < 0.32 ? 190 * std::pow(2.2, t / 0.32) : (t < 0.5 ? 418 : 418 - 400 * (t - 0.5));
            phase += f / kRate;
            const double square = std::sin(2 * M_PI * phase) > 0 ? 1 : -1;
            h[i] = horn(square) * swell(t, 0.6, 0.02, 0.05) *
                   (0.85 + 0.15 * std::sin(2 * M_PI * 28 * t));
        }
        mix(s, h, honk * 0.72);
    }
    return s;
}

Samples clap2() {
    Rng rng(22);
    Samples s = silence(2.2);
    // Six people clapping, each at their own pace.
    for (int person = 0; person < 6; ++person) {
        const double period = 0.2 + 0.08 * rng.uniform(), brightness = rng.uniform();
        for (double at = 0.02 + rng.uniform() * 0.1; at < 1.95;
             at += period * (0.92 + 0.16 * rng.uniform()))
            mix(s, clap(rng, brightness), at, 0.6 + 0.4 * rng.uniform());
    }
    return s;
}

Samples clap3() {
    Rng rng(23);
    Samples s;
    // Clap, clap, clap-clap-clap, twice over, by three people together.
    const double pattern[] = {0, 0.32, 0.64, 0.8, 0.96};
    for (int bar = 0; bar < 2; ++bar)
        for (double beat : pattern)
            for (int person = 0; person < 3; ++person)
                mix(s, clap(rng, person * 0.4), bar * 1.3 + beat + 0.012 * rng.uniform(), 0.7);
    return s;
}

Samples drumroll() {
    Rng rng(24);
    Samples s;
    const double rollLength = 1.9;
    int stroke = 0;
    for (double at = 0; at < rollLength; at += 1.0 / 28, ++stroke) {
        const double crescendo = 0.3 + 0.7 * at / rollLength;
        mix(s, snare(rng, crescendo * (stroke % 2 ? 0.8 : 1.0)), at);
    }
    // The final crash: cymbal and bass drum together.
    Samples cymbal = enveloped(bandNoise(0.7, 6000, 0.7, rng), 0.002, 0.22);
    mix(s, cymbal, rollLength, 1.6);
    mix(s, enveloped(glide(90, 45, 0.4, 0), 0.002, 0.12), rollLength, 1.2);
    mix(s, snare(rng, 1.0), rollLength, 1.0);
    return s;
}

Samples laser2() {
    Samples s;
    for (int zap = 0; zap < 3; ++zap)
        mix(s, enveloped(glide(2200, 180, 0.24, 0.5), 0.003, 0.09), zap * 0.27, 1.0 - zap * 0.15);
    return s;
}

Samples whizz() {
    Rng rng(25);
    Samples tone = glide(350, 2800, 1.0, 0.1);
    Samples air = bandNoise(1.0, 2200, 1.0, rng);
    for (std::size_t i = 0; i < tone.size(); ++i) {
        const double t = double(i) / kRate;
        tone[i] = (tone[i] + 0.6 * air[i]) * swell(t, 1.0, 0.15, 0.3);
    }
    return tone;
}

Samples clown() {
    Samples s;
    // Two honks of a bulb horn, then the slide whistle up and down.
    for (int honk = 0; honk < 2; ++honk) {
        Samples h = glide(360, 320, 0.2, 0.9);
        Biquad nasal = Biquad::bandpass(1100, 1.5);
        for (std::size_t i = 0; i < h.size(); ++i)
            h[i] = nasal(h[i]) * swell(double(i) / kRate, 0.2, 0.01, 0.04) * 3;
        mix(s, h, honk * 0.28);
    }
    mix(s, slide(450, 1500, 0.45), 0.65, 0.5);
    mix(s, slide(1500, 380, 0.6), 1.1, 0.5);
    return s;
}

} // namespace recipes
