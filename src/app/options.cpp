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
    {"--version", "show the version and exit", &Options::version},
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
                       "window. Installed, it reads its pictures, pages, sounds and quizzes from\n"
                       "its share/placeworks folder and keeps worksheets in\n"
                       "~/.local/share/Placeworks/multiple, or in the folder /etc/placeworks.conf\n"
                       "names; otherwise start it in its program folder, which holds them all.\n"
                       "\nOptions:\n";
    for (const Flag& flag : kFlags) {
        std::string name = flag.name;
        name.resize(13, ' ');
        text += "  " + name + flag.help + "\n";
    }
    return text;
}

std::string versionLine() {
    return std::string("Placeworks ") + PW_VERSION + "\n";
}
