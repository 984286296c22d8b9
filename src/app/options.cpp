#include "app/options.h"

namespace {

struct Flag {
    const char* name;
    const char* help;
    bool Options::*set;
};

// Every option, in the order --help lists them.
const Flag kFlags[] = {
    {"--window", "start in a resizable window instead of full screen", &Options::windowed},
    {"--help", "show this help and exit", &Options::help},
};

} // namespace

Options parseOptions(const std::vector<std::string>& args) {
    Options options;
    for (const std::string& arg : args) {
        if (arg.rfind("--", 0) != 0) {
            continue;
        }
        bool known = false;
        for (const Flag& flag : kFlags) {
            if (arg == flag.name) {
                options.*flag.set = true;
                known = true;
            }
        }
        if (!known && options.error.empty()) {
            options.error = "unknown option " + arg;
        }
    }
    return options;
}

std::string usage() {
    std::string text = "Usage: placeworks [options]\n\n"
                       "Placeworks starts full screen; F11 switches between full screen and a\n"
                       "window. Start it in its program folder, which holds its pictures, pages,\n"
                       "sounds and quizzes.\n\nOptions:\n";
    for (const Flag& flag : kFlags) {
        std::string name = flag.name;
        name.resize(12, ' ');
        text += "  " + name + flag.help + "\n";
    }
    return text;
}
