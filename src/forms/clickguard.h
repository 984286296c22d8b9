#pragma once

#include <QElapsedTimer>
#include <functional>

namespace forms {

// Makes a double-click, a triple-click or a bouncing finger one click, and lets no second
// click through while the first one's screen change is under way. After a click has run,
// for a short pause (the platform's double-click interval), a further click is refused
// when it comes to the same control or when the screen on top has changed since; a click
// on another control of the same screen passes, so choosing an answer and going on at
// once still works. Each refused click starts the pause again, so a whole train of rapid
// clicks stays one. Controls are compared by address only and never dereferenced.
class ClickGuard {
public:
    using Clock = std::function<qint64()>; // milliseconds, never going back

    ClickGuard();

    void setClock(Clock clock) { m_clock = std::move(clock); }
    void setInterval(int ms) { m_interval = ms; }
    int interval() const { return m_interval; }

    // Whether a click on control, with top the screen on top now, may run.
    bool admits(const void* control, const void* top) const;
    // A click that may not run: the pause starts again.
    void refuse();

    // Brackets an admitted click's handler; the pause counts from the end of it.
    void begin(const void* control, const void* top);
    void end();

private:
    qint64 now() const;

    Clock m_clock;
    QElapsedTimer m_elapsed;
    int m_interval;
    bool m_running = false;
    bool m_any = false;
    const void* m_control = nullptr;
    const void* m_top = nullptr;
    qint64 m_last = 0;
};

// Runs one click between begin() and end() of a guard (which may be absent), also when
// the handler throws.
class GuardedClick {
public:
    GuardedClick(ClickGuard* guard, const void* control, const void* top) : m_guard(guard) {
        if (m_guard) {
            m_guard->begin(control, top);
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
