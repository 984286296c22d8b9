#pragma once

#include "synth.h"

#include <string>
#include <vector>

/// The program's sounds, each a recipe that synthesises its samples from a fixed seed.
struct Recipe {
    std::string file;         // name in the wav folder
    synth::Samples (*make)(); // the raw, unscaled sound
    bool reward;              // rewards share one loudness; interface sounds are quieter
};

/// Every sound the program plays, in a fixed order.
const std::vector<Recipe>& allRecipes();
