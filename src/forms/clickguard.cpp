#include "forms/clickguard.h"

#include <QGuiApplication>
#include <QLineF>
#include <QStyleHints>

namespace forms {

ClickGuard::ClickGuard() : m_interval(QGuiApplication::styleHints()->mouseDoubleClickInterval()) {
    m_elapsed.start();
}

qint64 ClickGuard::now() const {
    return m_clock ? m_clock() : m_elapsed.elapsed();
}

bool ClickGuard::admits(const ClickSource& click) const {
    if (m_running) {
        return false;
    }
    const qint64 since = now() - m_time;
    if (!m_any || since >= m_interval) {
        return true;
    }
    if (click.control == m_last.control) {
        return false;
    }
    if (click.top == m_last.top) {
        return true;
    }
    // The screen has changed since the last click.
    if (since < kSettle || !click.at) {
        return false;
    }
    return !m_last.at || QLineF(*m_last.at, *click.at).length() > kSamePlace;
}

void ClickGuard::refuse() {
    m_time = now();
}

void ClickGuard::begin(const ClickSource& click) {
    m_any = true;
    m_running = true;
    m_last = click;
    m_time = now();
}

void ClickGuard::end() {
    m_running = false;
    m_time = now();
}

} // namespace forms
