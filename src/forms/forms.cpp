#include "forms/forms.h"

#include "forms/display.h"

namespace forms {

Forms::Forms(Display& display) : m_display(display) {
    // A key that reaches the window itself (no control has the focus) goes to the screen
    // on top.
    m_display.setKeyHandler([this](QKeyEvent& e) {
        if (Screen* top = topScreen()) {
            top->screenKey(e);
        }
    });
}

Forms::~Forms() {
    m_display.setKeyHandler(nullptr);
    unloadAll();
}

QWidget* Forms::display() const {
    return &m_display;
}

Screen* Forms::find(const std::type_info& type, const QString& id) const {
    auto it = m_loaded.find(Key(std::type_index(type), id));
    return it == m_loaded.end() ? nullptr : it->second;
}

void Forms::unload(Screen& screen) {
    for (auto it = m_loaded.begin(); it != m_loaded.end(); ++it) {
        if (it->second == &screen) {
            m_loaded.erase(it);
            break;
        }
    }
    screen.markUnloaded();
    screen.hide();
    screen.deleteLater();
    restack();
}

void Forms::showScreen(Screen& screen) {
    screen.show();
    screen.raise();
    restack();
}

void Forms::restack() {
    Screen* top = topScreen();
    if (top) {
        top->setEnabled(true);
    }
    for (const auto& [type, s] : m_loaded) {
        if (s != top) {
            s->setEnabled(!s->isVisible());
        }
    }
    if (top == m_top) {
        return;
    }
    m_top = top;
    if (top) {
        top->focusFirst();
        m_display.announce(top->screenTitle());
    }
}

std::vector<Screen*> Forms::loadedScreens() const {
    std::vector<Screen*> out;
    for (const auto& [type, s] : m_loaded) {
        out.push_back(s);
    }
    return out;
}

Screen* Forms::topScreen() const {
    const QObjectList& children = m_display.children();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        auto* s = qobject_cast<QWidget*>(*it);
        auto* screen = dynamic_cast<Screen*>(s);
        if (screen && !screen->unloaded() && screen->isVisible()) {
            return screen;
        }
    }
    return nullptr;
}

void Forms::unloadAll() {
    while (!m_loaded.empty()) {
        unload(*m_loaded.begin()->second);
    }
}

} // namespace forms
