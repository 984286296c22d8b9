#pragma once

#include "fakes/recordingprintservice.h"
#include "fakes/scripteddialogs.h"
#include "forms/display.h"
#include "forms/forms.h"

#include <QPoint>
#include <QString>
#include <random>

// A user at random: clicks, drags (press, moves, release), key presses and pointer
// moves, through the display's window as the platform delivers them. Half of the clicks
// land on a visible, enabled control of the screen on top, so that the run reaches the
// deep screens. Message boxes answer OK or Cancel at random and the printer is
// sometimes missing. The same seed gives the same actions.
class RandomInput {
public:
    RandomInput(forms::Display& display, const forms::Forms& forms, fakes::ScriptedDialogs& dialogs,
                fakes::RecordingPrintService& printer, unsigned seed);

    // Performs one action and returns what it was, for the log of a failing run.
    QString step();

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    QPoint anywhere();
    // A point inside a visible, enabled control of the top screen, or anywhere.
    QPoint onControl();
    QPoint target() { return below(2) == 0 ? onControl() : anywhere(); }

    QString click();
    QString drag();
    QString key();
    QString move();
    void scriptServices();

    forms::Display& m_display;
    const forms::Forms& m_forms;
    fakes::ScriptedDialogs& m_dialogs;
    fakes::RecordingPrintService& m_printer;
    std::mt19937 m_rng;
};
