#pragma once

#include "forms/clickguard.h"
#include "forms/screen.h"

#include <QKeyEvent>
#include <QString>

#include <functional>
#include <map>
#include <type_traits>
#include <typeindex>
#include <utility>

namespace forms {

class Display;

// The registry of loaded screens. get<S>() returns the loaded screen S, loading it
// first when needed: construct it in its design state, register it, then run its
// Form_Load inside the call. unload<S>() removes it at once (the next reference loads
// a fresh one) and deletes it later, so a screen may unload itself from inside its own
// handler and the handler runs on. Screens are built from a context object that the
// program hands over once: each screen type names it as S::Context.
//
// One screen class may serve several screens told apart by an id (the menu of each case
// study): get<S>(id) builds S(context, id), and each id is loaded and unloaded on its own.
//
// Only the screen on top takes input: every other screen that is showing is disabled,
// so neither the keyboard focus nor Qt's focus moves can reach a covered screen. When
// another screen comes to the top it gets the focus on its first control and its title
// is announced (the window title, which screen readers follow).
class Forms {
public:
    explicit Forms(Display& display);
    ~Forms();

    void setContext(void* context) { m_context = context; }
    QWidget* display() const;
    Display& displayWindow() const { return m_display; }

    template <class S> S& get(const QString& id = QString()) {
        if (Screen* s = find(typeid(S), id)) {
            return static_cast<S&>(*s);
        }
        auto& context = *static_cast<typename S::Context*>(m_context);
        S* s = nullptr;
        if constexpr (std::is_constructible_v<S, typename S::Context&, const QString&>) {
            s = new S(context, id);
        } else {
            s = new S(context);
        }
        m_loaded.emplace(Key(std::type_index(typeid(S)), id), s);
        s->Form_Load();
        return *s;
    }

    // Loads when needed, makes visible and brings to the front.
    template <class S> S& show(const QString& id = QString()) {
        S& s = get<S>(id);
        showScreen(s);
        return s;
    }

    template <class S> void unload(const QString& id = QString()) {
        if (Screen* s = find(typeid(S), id)) {
            unload(*s);
        }
    }
    void unload(Screen& screen);

    template <class S> bool isLoaded(const QString& id = QString()) const {
        return find(typeid(S), id) != nullptr;
    }
    template <class S> S* loaded(const QString& id = QString()) const {
        return static_cast<S*>(find(typeid(S), id));
    }

    void showScreen(Screen& screen);
    ClickGuard& clickGuard() { return m_clickGuard; }
    // Keys that work on every screen (the program's sound key): called with each key that
    // neither the focused control nor the screen used; returns whether it used it.
    void setProgramKeys(std::function<bool(const QKeyEvent&)> keys) {
        m_programKeys = std::move(keys);
    }
    bool programKey(const QKeyEvent& event) const { return m_programKeys && m_programKeys(event); }
    // Every loaded screen, for checks that no screen is half-loaded or left behind.
    std::vector<Screen*> loadedScreens() const;
    // The visible screen on top, or nullptr.
    Screen* topScreen() const;
    void unloadAll();

private:
    using Key = std::pair<std::type_index, QString>;
    Screen* find(const std::type_info& type, const QString& id) const;
    // Enables the screen on top and disables the others that show; a new top screen
    // takes the focus and is announced.
    void restack();

    Display& m_display;
    void* m_context = nullptr;
    std::map<Key, Screen*> m_loaded;
    ClickGuard m_clickGuard;
    std::function<bool(const QKeyEvent&)> m_programKeys;
    const Screen* m_top = nullptr; // compared only, never dereferenced
};

} // namespace forms
