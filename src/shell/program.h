#pragma once

#include "forms/forms.h"
#include "shell/programstate.h"

#include <QString>
#include <functional>
#include <set>

namespace forms {
class Image;
class PictureBox;
class Display;
} // namespace forms
namespace media {
class SoundPlayer;
class PrintService;
class Dialogs;
class Pictures;
class Random;
class TextFiles;
} // namespace media

// What every screen needs: the program-wide values, the screen registry and the
// services. Handed to every screen at construction; tests build one with fakes.
struct Program {
    ProgramState& state;
    forms::Forms& forms;
    media::SoundPlayer& sound;
    media::PrintService& printer;
    media::Dialogs& dialogs;
    media::Pictures& pictures;
    media::Random& random;
    media::TextFiles& files;
    std::function<void()> end; // ends the program at once

    forms::Display& display() const { return forms.displayWindow(); }

    // Plays a sound through the backdrop's player when soundon equals 1.
    void play(const QString& file);

    // Loads a picture file into a control. A missing file leaves the control as it
    // was and is reported once per run (the program goes on without the picture).
    bool loadPicture(forms::Image& control, const QString& name);
    bool loadPicture(forms::PictureBox& control, const QString& name);

    // Tells the user that a file the program needs is missing or unreadable.
    void reportMissing(const QString& name, bool everyTime = false);

    std::set<QString> reported;
};
