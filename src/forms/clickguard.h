#pragma once

#include <QElapsedTimer>
#include <QPointF>
#include <functional>
#include <optional>

namespace forms {

// One click as the guard sees it: the control, the screen on top when it came, and where
// on the display it came (none for a key).
struct ClickSource {
    const void* control = nullptr;
    const void* top = nullptr;
    std::optional<QPointF> at;
};

// Makes a double-click, a triple-click, a bouncing finger or a bouncing key one click,
// and lets no click through while the first one's screen change is under way. For a
// short pause after a click has run (the platform's double-click interval, counted from
// the end of its handler) a further click is refused when it comes
// - while a click is still running (a message box it opened, say),
// - to the same control,
// - to a screen that has come up since, at once (it was made while the screen changed),
//   at the same place (the second click of a double-click), or by key.
// A click on another control of the same screen passes, so choosing an answer and going
// on at once still works; so does a click at another place of a new screen once it has
// come up. Each refused click starts the pause again, so a whole train of rapid clicks
// stays one. Controls and screens are compared by address only and never dereferenced.
class ClickGuard {
public:
    using Clock = std::function<qint64()>; // milliseconds, never going back

    ClickGuard();

    void setClock(Clock clock) { m_clock = std::move(clock); }
    void setInterval(int ms) { m_interval = ms; }

    bool admits(const ClickSource& click) const;
    // A click that may not run: the pause starts again.
    void refuse();

    // Brackets an admitted click's handler; the pause counts from the end of it.
    void begin(const ClickSource& click);
    void end();

    // A screen change takes no longer than this to come up, in milliseconds.
    static constexpr int kSettle = 100;
    // Two clicks this close, in pixels, are at the same place: a finger bounces further
    // than a mouse.
    static constexpr double kSamePlace = 20;

private:
    qint64 now() const;

    Clock m_clock;
    QElapsedTimer m_elapsed;
    int m_interval;
    bool m_running = false;
    bool m_any = false;
    ClickSource m_last;
    qint64 m_time = 0;
};

// Runs one click between begin() and end() of a guard (which may be absent), also when
// the handler throws.
class GuardedClick {
public:
    GuardedClick(ClickGuard* guard, const ClickSource& click) : m_guard(guard) {
        if (m_guard) {
            m_guard->begin(click);
        }
    }
    ~GuardedClick() {
        if (m_guard) {
            m_guard->end();
        }
    }
    GuardedClick(const GuardedClick&) = delete;
    GuardedClick& operator=(const GuardedClick&) = delete;

private:
    ClickGuard* m_guard;
};

} // namespace forms
