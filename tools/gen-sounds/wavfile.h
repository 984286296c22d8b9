#pragma once

#include "synth.h"

#include <string>

/// Writes mono 16-bit PCM WAV at synth::kRate. Samples are clipped to [-1, 1]. Returns false
/// when the file cannot be written.
bool writeWav(const std::string& path, const synth::Samples& samples);
