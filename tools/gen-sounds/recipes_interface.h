#pragma once

#include "synth.h"

namespace recipes {

synth::Samples click();
synth::Samples typekey();
synth::Samples thud3();

} // namespace recipes
