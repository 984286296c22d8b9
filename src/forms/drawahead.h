#pragma once

#include <QTimer>
#include <functional>
#include <vector>

namespace forms {

class Screen;

// Drawing done ahead while a menu is read: the pictures of the screens it opens, drawn
// into the kept pictures (forms::rendered), so that opening one of them is a copy. The
// drawings begin a moment after the menu has come up and run one at a time with the event
// loop free between them, so a click waits for one drawing at most; they stop as soon as
// the menu is no longer the top screen.
class DrawAhead {
public:
    using Drawing = std::function<void()>;
    // drawings lists what to draw, asked afresh each time the menu comes up.
    DrawAhead(const Screen& screen, std::function<std::vector<Drawing>()> drawings);

    // The menu has come up.
    void start();

    // Long enough for the menu itself to be drawn first; far shorter than any reading.
    static constexpr int kPauseMs = 100;

private:
    void next();

    const Screen& m_screen;
    std::function<std::vector<Drawing>()> m_drawings;
    std::vector<Drawing> m_waiting; // the last one is drawn next
    bool m_asked = false;
    QTimer m_timer;
};

} // namespace forms
