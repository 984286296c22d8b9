#include "recipes.h"

#include "recipes_interface.h"
#include "recipes_rewards.h"

const std::vector<Recipe>& allRecipes() {
    static const std::vector<Recipe> all{
        {"click.wav", recipes::click, false},  {"typekey.wav", recipes::typekey, false},
        {"thud3.wav", recipes::thud3, false},  {"halleluj.wav", recipes::halleluj, true},
        {"fanf2.wav", recipes::fanf2, true},   {"fanf3.wav", recipes::fanf3, true},
        {"fanf4.wav", recipes::fanf4, true},   {"slot_payoff.wav", recipes::slotPayoff, true},
        {"crowd.wav", recipes::crowd, true},   {"cheer2.wav", recipes::cheer2, true},
        {"klaxon.wav", recipes::klaxon, true}, {"flute.wav", recipes::flute, true},
        {"gong.wav", recipes::gong, true},     {"clap2.wav", recipes::clap2, true},
        {"clap3.wav", recipes::clap3, true},   {"drumroll.wav", recipes::drumroll, true},
        {"laser2.wav", recipes::laser2, true}, {"whizz.wav", recipes::whizz, true},
        {"clown.wav", recipes::clown, true},
    };
    return all;
}
