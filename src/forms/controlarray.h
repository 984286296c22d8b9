#pragma once

#include <QWidget>
#include <functional>
#include <map>
#include <stdexcept>

namespace forms {

// A control array addressed by index; gaps are allowed (a menu may have no entries
// 11 to 14). The controls are children of their screen, which owns and deletes them.
template <class T> class ControlArray {
public:
    T& add(int index, QWidget* parent) {
        auto* control = new T(parent);
        control->index = index;
        m_items[index] = control;
        wire(*control);
        return *control;
    }

    T& operator[](int index) const {
        auto it = m_items.find(index);
        if (it == m_items.end()) {
            throw std::out_of_range("no control with that index in the array");
        }
        return *it->second;
    }
    bool contains(int index) const { return m_items.count(index) != 0; }
    int size() const { return int(m_items.size()); }

    // Visits the controls in index order.
    template <class F> void forEach(F&& f) const {
        for (const auto& [i, c] : m_items) {
            f(i, *c);
        }
    }

    // Handlers of the whole array, given the element's index.
    void onClick(std::function<void(int)> h) {
        m_click = std::move(h);
        rewire();
    }
    void onMouseMove(std::function<void(int, int, int, float, float)> h) {
        m_move = std::move(h);
        rewire();
    }
    void onMouseDown(std::function<void(int, int, int, float, float)> h) {
        m_down = std::move(h);
        rewire();
    }
    void onMouseUp(std::function<void(int, int, int, float, float)> h) {
        m_up = std::move(h);
        rewire();
    }
    // Given the element's index, the Qt key and the shift bits; returns whether it used
    // the key.
    void onKeyDown(std::function<bool(int, int, int)> h) {
        m_key = std::move(h);
        rewire();
    }

private:
    void rewire() {
        for (auto& [i, c] : m_items) {
            wire(*c);
        }
    }
    void wire(T& c) {
        const int i = c.index;
        // A control that can be clicked, dragged or worked with keys takes the focus (set
        // here already, as a screen may chain it into its own tab order).
        if (m_click || m_up || m_key) {
            c.setFocusPolicy(Qt::StrongFocus);
        }
        if (m_click) {
            c.events.click = [this, i] { m_click(i); };
        }
        if (m_move) {
            c.events.mouseMove = [this, i](const auto& a) {
                m_move(i, a.button, a.shift, a.x, a.y);
            };
        }
        if (m_down) {
            c.events.mouseDown = [this, i](const auto& a) {
                m_down(i, a.button, a.shift, a.x, a.y);
            };
        }
        if (m_up) {
            c.events.mouseUp = [this, i](const auto& a) { m_up(i, a.button, a.shift, a.x, a.y); };
        }
        if (m_key) {
            c.events.keyDown = [this, i](int key, int shift) { return m_key(i, key, shift); };
        }
    }

    std::map<int, T*> m_items;
    std::function<void(int)> m_click;
    std::function<void(int, int, int, float, float)> m_move, m_down, m_up;
    std::function<bool(int, int, int)> m_key;
};

} // namespace forms
