#pragma once

#include <string>
#include <vector>

// What the command line asks of the program.
struct Options {
    bool windowed = false; // --window: a resizable window instead of full screen
    bool help = false;     // --help: print the usage and stop
    bool version = false;  // --version: print the program's name and version and stop
    std::string error;     // set when an argument is not understood
};

// Reads the arguments after the program's name. Options of our own start with "--";
// anything else is left to Qt (such as "-platform xcb").
Options parseOptions(const std::vector<std::string>& args);

// The text --help prints.
std::string usage();

// The line --version prints: "Placeworks" and the version it was built as.
std::string versionLine();
