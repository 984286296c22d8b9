#pragma once

#include "core/casestudy/casestudies.h"
#include "core/programstate.h"
#include "forms/forms.h"
#include "forms/picture.h"

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

// What a subsystem asks of the menus above it. The menus fill it in (installMenus), so
// that no subsystem includes a menu.
struct Navigation {
    // Shows the main menu, loading it when it is not loaded.
    std::function<void()> showMainMenu;
    // The main menu's picture and title (loading the menu, hidden, when needed): a worksheet
    // opened from the catalogue shows them on the quiz screen.
    std::function<std::pair<forms::Picture, QString>()> mainMenuLook;
};

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
    Navigation navigation;
    casestudy::CaseStudies caseStudies{}; // the case-study files and the menus opened from them
    // The folder of teachers' worksheets and their register (settings::worksheetFolder);
    // the quizzes of the case studies stay in the program's own "multiple".
    QString worksheets = QStringLiteral("multiple");

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
