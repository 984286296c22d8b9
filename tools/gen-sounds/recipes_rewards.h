#pragma once

#include "synth.h"

/// The reward sounds of the results screen, each under three seconds.
namespace recipes {

synth::Samples halleluj();
synth::Samples fanf2();
synth::Samples fanf3();
synth::Samples fanf4();
synth::Samples slotPayoff();
synth::Samples flute();
synth::Samples gong();

synth::Samples crowd();
synth::Samples cheer2();
synth::Samples klaxon();
synth::Samples clap2();
synth::Samples clap3();
synth::Samples drumroll();
synth::Samples laser2();
synth::Samples whizz();
synth::Samples clown();

} // namespace recipes
