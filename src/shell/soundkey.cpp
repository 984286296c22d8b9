#include "shell/soundkey.h"

#include "core/program.h"
#include "shell/intro0.h"

#include <QKeyEvent>

void connectProgramKeys(Program& program) {
    program.forms.setProgramKeys([&program](const QKeyEvent& e) {
        const bool plain = (e.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == 0;
        return plain && e.key() == Qt::Key_M && !e.isAutoRepeat() && switchSound(program);
    });
}

bool switchSound(Program& program) {
    ProgramState& s = program.state;
    if (!s.soundon) {
        return false;
    }
    s.soundon = s.soundIsOn() ? 0 : 1;
    if (intro0* menu = program.forms.loaded<intro0>()) {
        // Setting an option does not click it, so nothing else runs.
        (s.soundIsOn() ? menu->Option1 : menu->Option2).setValue(true);
    }
    return true;
}
