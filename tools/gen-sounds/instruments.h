#pragma once

#include "synth.h"

/// Instrument voices built from the synth blocks. Frequencies in hertz, lengths in seconds.
namespace instruments {

/// Note number to frequency (69 = A4 = 440 Hz).
double midi(int note);

/// A brass note: bright harmonics that open up during the attack, and a little vibrato.
synth::Samples brass(double freq, double length);
/// A flute note: nearly pure tone, breath noise and a gentle vibrato.
synth::Samples flute(double freq, double length, synth::Rng& rng);
/// One sung vowel ('a', 'e', 'u') from a small choir of slightly detuned voices.
synth::Samples choir(double freq, double length, char vowel, synth::Rng& rng);
/// One hand clap: three quick bursts of band-limited noise and a short room tail.
synth::Samples clap(synth::Rng& rng, double brightness);
/// One snare stroke at loudness 0..1.
synth::Samples snare(synth::Rng& rng, double loudness);
/// A coin falling on a pile: a bright metallic ring.
synth::Samples coin(double freq, synth::Rng& rng);
/// A glide between two pitches along an exponential curve; `buzz` 0 is a pure tone, 1 is
/// strongly buzzy (odd harmonics).
synth::Samples glide(double from, double to, double length, double buzz);
/// Noise through a band-pass filter, with no envelope.
synth::Samples bandNoise(double length, double centre, double q, synth::Rng& rng);

} // namespace instruments
