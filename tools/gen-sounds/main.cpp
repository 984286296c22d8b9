// gen-sounds CONTENT_DIR DATA_DIR: synthesises every sound of the program into DATA_DIR/wav.
#include "recipes.h"
#include "wavfile.h"

#include <cmath>
#include <cstdio>
#include <filesystem>

namespace {

// Rewards are matched by loudness (RMS), but never peak above kPeakCeiling; the interface
// sounds are short ticks and are simply scaled to a quieter peak.
constexpr double kRewardRms = 0.16;
constexpr double kPeakCeiling = 0.89;
constexpr double kInterfacePeak = 0.6;
constexpr double kFade = 0.002;    // seconds; silences the first and last samples without a click
constexpr double kOverdrive = 1.6; // how far above the ceiling loud peaks may be pressed down

double rms(const synth::Samples& s) {
    double sum = 0;
    for (double v : s)
        sum += v * v;
    return s.empty() ? 0 : std::sqrt(sum / s.size());
}

synth::Samples level(const Recipe& recipe) {
    synth::Samples s = recipe.make();
    if (!recipe.reward) {
        synth::finish(s, kInterfacePeak, kFade);
        return s;
    }
    synth::finish(s, 1.0, kFade * 10);
    // Claps and drums have sharp peaks: a soft limiter presses those down, so that they can be
    // as loud overall as the smooth sounds without clipping.
    const double gain = std::min(kRewardRms / rms(s), kPeakCeiling * kOverdrive);
    for (double& v : s)
        v = gain > kPeakCeiling ? kPeakCeiling * std::tanh(v * gain / kPeakCeiling) : v * gain;
    return s;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: gen-sounds CONTENT_DIR DATA_DIR\n");
        return 2;
    }
    const std::filesystem::path folder = std::filesystem::path(argv[2]) / "wav";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    bool ok = !error;
    for (const auto& recipe : allRecipes()) {
        if (!writeWav((folder / recipe.file).string(), level(recipe))) {
            std::fprintf(stderr, "gen-sounds: cannot write %s\n", recipe.file.c_str());
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
