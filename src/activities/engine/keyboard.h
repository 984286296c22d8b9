#pragma once

#include "activities/engine/engine.h"

#include <QString>
#include <vector>

// Carrying a word label with the keyboard. The arrow keys carry it from stop to stop, a
// stop being an answer box or a home slot: its top-left corner lands exactly on the
// stop's, where a pointer drag to the stop leaves it. Putting it down is then the
// pointer's own release: drop() with the label where it lies, so a keyboard drop and a
// pointer drop at the same place give the same layout, snaps and score.
namespace engine {

struct Stop {
    enum class Kind { Box, Home };
    Kind kind;
    int index; // into layout.boxes or layout.homes
};

// Every answer box in reading order (line by line from the top, each line from the left),
// then every home slot in reading order.
std::vector<Stop> keyboardStops(const Layout& layout);

const Rect& stopRect(const Layout& layout, const Stop& stop);

// One word carried at a time: picked up, moved from stop to stop, then put back where it
// was or ended so that the caller drops it.
class KeyboardCarry {
public:
    bool carrying() const { return m_word >= 0; }
    int word() const { return m_word; }

    // Remembers where word w lies. A word in a box moves on from that box; any other word
    // (one in the word list, say) goes to the first box first, or with a step back to the
    // last home slot.
    void pickUp(const Layout& layout, int w);
    // Carries the word step stops on (1) or back (-1), wrapping round.
    void move(Layout& layout, int step);
    // Puts the word back where it was picked up and ends the carry.
    void putBack(Layout& layout);
    // Ends the carry where the word lies; returns the word, for drop().
    int end();

private:
    int m_word = -1;
    Rect m_origin;
    int m_stop = -1;
    std::vector<Stop> m_stops;
};

// A static text of a screen, for describing where a word lies.
struct Caption {
    Rect rect;
    QString text;
};

// Where word w lies, in words: "in box 2 of 6, after "The principal river of Manchester
// is"", "in box 1 of 10, under "True"", "in the word list" (any home slot), or "not in a
// box". Boxes are numbered in reading order. A box is "after" a text that ends just left
// of it on its line, and "under" a heading that spans a column of boxes just below it.
QString describePlace(const Layout& layout, int w, const std::vector<Caption>& texts);

} // namespace engine
