#pragma once

#include "authoring/register/registerstate.h"
#include "quiz/file/loadedquiz.h"

#include <QString>
#include <array>
#include <optional>

// The program-wide values that every screen reads and writes directly. They live for
// the whole run and start empty: soundon and worksheetcount are optional because
// "empty" must compare unequal to every number (no click before the main menu loads);
// the other numbers start at 0, which is how an empty number behaves in arithmetic.
struct ProgramState : LoadedQuiz, RegisterState {
    std::optional<int> soundon; // 1 = sounds play, 0 = silent

    int questno = 0;             // question on show, 1..10; 11 once the quiz is done
    std::array<int, 11> marks{}; // 1 or 0 per question, slots 1..10
    int score = 0;
    int maxscore = 0;
    QString quizcaption; // subject line of the last finished quiz

    int catpage = 0; // catalogue page on show, from 0

    QString pageset;   // stem of the notes page file names
    int pagecount = 0; // pages in that set
    int pageno = 0;    // page on show in a page viewer
    int logoframe = 0; // frame counter of the logo animation

    bool soundIsOn() const { return soundon == 1; }
};
