#include "forms/clickguard.h"

#include <QGuiApplication>
#include <QStyleHints>

namespace forms {

ClickGuard::ClickGuard() : m_interval(QGuiApplication::styleHints()->mouseDoubleClickInterval()) {
    m_elapsed.start();
}

qint64 ClickGuard::now() const {
    return m_clock ? m_clock() : m_elapsed.elapsed();
}

bool ClickGuard::admits(const void* control, const void* top) const {
    if (m_running) {
        return false;
    }
    if (!m_any || now() - m_last >= m_interval) {
        return true;
    }
    return control != m_control && top == m_top;
}

void ClickGuard::refuse() {
    m_last = now();
}

void ClickGuard::begin(const void* control, const void* top) {
    m_any = true;
    m_running = true;
    m_control = control;
    m_top = top;
    m_last = now();
}

void ClickGuard::end() {
    m_running = false;
    m_last = now();
}

} // namespace forms
