#include "forms/timer.h"

namespace forms {

Timer::Timer(QObject* parent) : QObject(parent), m_timer(this) {
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (m_enabled && onTimer) {
            onTimer();
        }
    });
}

void Timer::setEnabled(bool enabled) {
    m_enabled = enabled;
    restart();
}

void Timer::setInterval(int ms) {
    m_interval = ms;
    restart();
}

void Timer::restart() {
    // An interval of 0 disables a timer, as on the platform the screens were made for.
    if (m_enabled && m_interval > 0) {
        m_timer.start(m_interval);
    } else {
        m_timer.stop();
    }
}

} // namespace forms
