#include "forms/drawahead.h"

#include "forms/forms.h"
#include "forms/screen.h"

#include <algorithm>

namespace forms {

DrawAhead::DrawAhead(const Screen& screen, std::function<std::vector<Drawing>()> drawings)
    : m_screen(screen), m_drawings(std::move(drawings)) {
    m_timer.setSingleShot(true);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { next(); });
}

void DrawAhead::start() {
    m_waiting.clear();
    m_asked = false;
    m_timer.start(kPauseMs);
}

void DrawAhead::next() {
    if (m_screen.forms().topScreen() != &m_screen) {
        m_waiting.clear();
        return;
    }
    if (!m_asked) {
        m_asked = true;
        m_waiting = m_drawings();
        std::reverse(m_waiting.begin(), m_waiting.end());
    }
    if (m_waiting.empty()) {
        return;
    }
    const Drawing drawing = std::move(m_waiting.back());
    m_waiting.pop_back();
    drawing();
    if (!m_waiting.empty()) {
        m_timer.start(0);
    }
}

} // namespace forms
