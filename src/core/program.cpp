#include "core/program.h"

#include "core/grey.h"
#include "forms/image.h"
#include "media/dialogs/dialogs.h"
#include "media/pictures/pictures.h"
#include "media/sound/soundplayer.h"

#include <QFileInfo>

void Program::play(const QString& file) {
    if (state.soundon == 1) {
        forms.get<Grey>();
        sound.Play(file);
    }
}

template <class Control>
static bool loadInto(Program& program, Control& control, const QString& name) {
    std::optional<forms::Picture> picture = program.pictures.load(name);
    if (!picture) {
        program.reportMissing(name);
        return false;
    }
    control.setPicture(*picture);
    // Screen readers name a picture by its file: "Images\manchester map.jpg" is
    // "Picture: manchester map".
    const QString file = QString(name).replace(QLatin1Char('\\'), QLatin1Char('/'));
    control.setAccessibleName(QStringLiteral("Picture: ") + QFileInfo(file).completeBaseName());
    return true;
}

bool Program::loadPicture(forms::Image& control, const QString& name) {
    return loadInto(*this, control, name);
}

bool Program::loadPicture(forms::PictureBox& control, const QString& name) {
    return loadInto(*this, control, name);
}

void Program::reportMissing(const QString& name, bool everyTime) {
    // Names are matched as the file services match them, so "Images\venicesm.jpg" and
    // "images/venicesm.jpg" are one file, reported once.
    const QString file = QString(name).replace(QLatin1Char('/'), QLatin1Char('\\')).toLower();
    if (!everyTime && !reported.insert(file).second) {
        return;
    }
    dialogs.message(QStringLiteral("The file \"%1\" is missing or damaged. Please reinstall "
                                   "Placeworks or ask your technician for help.")
                        .arg(name));
}
