#pragma once

#include "forms/clickguard.h"
#include "forms/twips.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <functional>
#include <optional>
#include <type_traits>

namespace forms {

// Mouse arguments as the handlers receive them: button is the bit set of buttons
// (1 left, 2 right, 4 middle): those held for a move, the one pressed or released for
// down and up; shift is 1 Shift, 2 Ctrl, 4 Alt; x and y are in twips from the
// control's top-left corner.
struct MouseArgs {
    int button = 0;
    int shift = 0;
    float x = 0;
    float y = 0;
};

MouseArgs mouseArgs(const QMouseEvent& event, bool forMove, const Scaling& scaling);
int shiftBits(Qt::KeyboardModifiers modifiers);

// Paints a single-line black border of the given width inside r; returns what is left
// inside it.
QRectF paintBorder(QPainter& painter, const QRectF& r, qreal width);

// The handlers a control can have. An unset handler is an empty body. keyDown gets the
// Qt key and the shift bits while the control has the keyboard focus, and returns
// whether it used the key.
struct ControlEvents {
    std::function<void()> click;
    std::function<void(const MouseArgs&)> mouseMove;
    std::function<void(const MouseArgs&)> mouseDown;
    std::function<void(const MouseArgs&)> mouseUp;
    std::function<bool(int key, int shift)> keyDown;
};

// What every control has, whatever Qt widget draws it.
class ControlCore {
public:
    virtual ~ControlCore() = default;

    ControlEvents events;
    int index = -1; // place in its control array, -1 when not in one

    // What Enter, Space and a screen reader's "press" do: one click, through the click
    // guard of the control's screen.
    virtual void activate() = 0;
    virtual QWidget& widget() = 0;
    // Whether the pupil can do anything with the control: click it, drag it or work it
    // with keys. Such controls take the keyboard focus.
    virtual bool interactive() const {
        return bool(events.click) || bool(events.mouseUp) || bool(events.keyDown);
    }
};

// The click guard of the screen a widget lies on (none for a widget on no screen), and a
// click of the widget as the guard sees it, at a place of the display in pixels (none for
// a key).
struct GuardContext {
    ClickGuard* guard = nullptr;
    ClickSource click;
};
GuardContext guardContext(const QWidget& widget, std::optional<QPointF> at = std::nullopt);

// The keyboard focus ring shows from a key press on until the next pointer press, as
// Qt's own widgets do.
void showKeyboardFocus(QWidget& widget);
bool isActivationKey(const QKeyEvent& event);
// Whether a sibling drawn over the widget hides it wholly, so the pupil cannot see it.
bool isCovered(const QWidget& widget);

// Placement in twips and the input rules shared by every control. W is the Qt widget
// the control is drawn with. A control consumes its own mouse moves: they never reach
// the screen beneath, so Form_MouseMove fires only over the screen's own background.
// While a button is held after a press on the control, moves keep coming to it. A
// control that clicks (a Qt button or box, or a control with a Click handler) clicks
// once per double-click, triple-click or bounce (ClickGuard). Controls drawn by forms
// itself take touch: a finger is the left button, so a tap clicks and a finger drags as
// the mouse does; Qt's buttons and text fields get the mouse events Qt makes of a touch.
// Place and font follow the display's scaling; mouse and touch positions come back in
// twips.
template <class W> class Control : public W, public Scalable, public ControlCore {
    static constexpr bool kQtButton = std::is_base_of_v<QAbstractButton, W>;
    static constexpr bool kTouch = !kQtButton && !std::is_base_of_v<QLineEdit, W>;

public:
    explicit Control(QWidget* parent) : W(parent), m_styleFont(W::font()) {
        W::setMouseTracking(true);
        if constexpr (kTouch) {
            W::setAttribute(Qt::WA_AcceptTouchEvents);
        }
        if (!(scaling() == Scaling())) {
            applyFont();
        }
    }

    float Left() const { return m_rect.left; }
    float Top() const { return m_rect.top; }
    float Width() const { return m_rect.width; }
    float Height() const { return m_rect.height; }
    const TwipRect& rect() const { return m_rect; }

    void setLeft(float v) {
        m_rect.left = v;
        place();
    }
    void setTop(float v) {
        m_rect.top = v;
        place();
    }
    void setWidth(float v) {
        m_rect.width = v;
        place();
    }
    void setHeight(float v) {
        m_rect.height = v;
        place();
    }
    void move(float left, float top) {
        m_rect.left = left;
        m_rect.top = top;
        place();
    }
    void setRect(const TwipRect& r) {
        m_rect = r;
        place();
    }
    void setRect(float l, float t, float w, float h) { setRect(TwipRect{l, t, w, h}); }

    // The control's own Visible and Enabled flags, whether or not its screen is showing
    // or on top.
    bool Visible() const {
        return W::parentWidget() ? W::isVisibleTo(W::parentWidget()) : W::isVisible();
    }
    bool Enabled() const {
        return W::parentWidget() ? W::isEnabledTo(W::parentWidget()) : W::isEnabled();
    }

    void activate() override {
        if (!clicks()) {
            return;
        }
        const GuardContext g = guardContext(*this);
        if (g.guard && !g.guard->admits(g.click)) {
            g.guard->refuse();
            return;
        }
        GuardedClick running(g.guard, g.click);
        if constexpr (kQtButton) {
            W::click();
        } else {
            events.click();
        }
    }
    QWidget& widget() override { return *this; }

    // The designed font, drawn at the display's scale.
    void setFont(const FontSpec& font) {
        m_font = font;
        applyFont();
    }
    const FontSpec& fontSpec() const { return m_font ? *m_font : kNoFont; }

    Scaling scaling() const { return scalingOf(*this); }
    void rescale() override {
        place();
        applyFont();
        W::update();
    }

protected:
    bool event(QEvent* e) override {
        switch (e->type()) {
        case QEvent::Show:
            // Handlers are given after construction, so the focus follows them here.
            if constexpr (kTouch) {
                W::setFocusPolicy(interactive() ? Qt::StrongFocus : Qt::NoFocus);
            }
            break;
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TouchCancel:
            if constexpr (kTouch) {
                touch(static_cast<QTouchEvent&>(*e));
                return true;
            }
            break;
        default:
            break;
        }
        return W::event(e);
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        W::mouseMoveEvent(e);
        if (!m_swallowing && events.mouseMove) {
            events.mouseMove(mouseArgs(*e, true, scaling()));
        }
        e->accept();
    }
    // Qt's double-click handler calls this again for the second press.
    void mousePressEvent(QMouseEvent* e) override {
        e->accept();
        m_swallowing = false;
        if (refusesPress(e->globalPosition())) {
            return;
        }
        W::mousePressEvent(e);
        m_pressed = true;
        if (events.mouseDown) {
            events.mouseDown(mouseArgs(*e, false, scaling()));
        }
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        e->accept();
        const bool held = e->buttons() != Qt::NoButton;
        if (m_swallowing) {
            m_swallowing = held;
            return;
        }
        const bool wasPressed = m_pressed;
        m_pressed = held;
        if constexpr (kQtButton) {
            // The button clicks inside Qt's release handler.
            const GuardContext g = guardContext(*this, e->globalPosition());
            GuardedClick running(wasPressed ? g.guard : nullptr, g.click);
            W::mouseReleaseEvent(e);
        } else {
            W::mouseReleaseEvent(e);
            released(mouseArgs(*e, false, scaling()), wasPressed && e->button() == Qt::LeftButton,
                     W::rect().contains(e->position().toPoint()), e->globalPosition());
        }
    }
    void keyPressEvent(QKeyEvent* e) override {
        showKeyboardFocus(*this);
        if (events.keyDown && events.keyDown(e->key(), shiftBits(e->modifiers()))) {
            e->accept();
            return;
        }
        if (isActivationKey(*e) && clicks()) {
            if (!e->isAutoRepeat()) {
                activate();
            }
            e->accept();
            return;
        }
        W::keyPressEvent(e);
    }
    void wheelEvent(QWheelEvent* e) override { e->accept(); }
    // Tab never reaches keyPressEvent: Qt turns it into this call. A control that uses
    // Tab itself (a word carried with the keyboard) gets it first.
    bool focusNextPrevChild(bool next) override {
        if (events.keyDown && W::window()->focusWidget() == this &&
            events.keyDown(next ? Qt::Key_Tab : Qt::Key_Backtab, 0)) {
            return true;
        }
        return W::focusNextPrevChild(next);
    }

    // Labels and pictures click on release inside; Qt's buttons and boxes on their own
    // signals; text fields never.
    virtual bool clicksOnRelease() const { return true; }

    virtual void place() { W::setGeometry(scaling().toPixelRect(m_rect)); }

    // A control without a designed font keeps its style's font, scaled with the rest.
    virtual void applyFont() {
        if (m_font) {
            W::setFont(scaling().font(*m_font));
            return;
        }
        QFont font = m_styleFont;
        const float s = scaling().scale();
        if (font.pixelSize() > 0) {
            font.setPixelSize(qMax(1, qRound(font.pixelSize() * s)));
        } else {
            font.setPointSizeF(font.pointSizeF() * s);
        }
        W::setFont(font);
    }

private:
    bool clicks() const {
        if constexpr (kQtButton) {
            return true;
        } else {
            return clicksOnRelease() && bool(events.click);
        }
    }

    // A press that the click guard refuses is swallowed with its moves and release.
    bool refusesPress(QPointF at) {
        if (!clicks()) {
            return false;
        }
        const GuardContext g = guardContext(*this, at);
        if (g.guard && !g.guard->admits(g.click)) {
            g.guard->refuse();
            m_swallowing = true;
            return true;
        }
        return false;
    }

    // The release test runs before the release handler, which may move the control or
    // unload its screen (the control then lives on until the event loop deletes it).
    void released(const MouseArgs& args, bool leftClick, bool inside, QPointF at) {
        if (events.mouseUp) {
            events.mouseUp(args);
        }
        if (leftClick && inside && clicks()) {
            const GuardContext g = guardContext(*this, at);
            GuardedClick running(g.guard, g.click);
            events.click();
        }
    }

    // One finger is the left button: down, moves while held, up, and a click when it
    // lifts inside. A cancelled touch still releases, so a carried label is dropped.
    void touch(QTouchEvent& e) {
        e.accept();
        if (e.points().isEmpty()) {
            return;
        }
        const QEventPoint& point = e.points().first();
        const QPointF at = point.position();
        const MouseArgs args{1, shiftBits(e.modifiers()), scaling().toTwips(at.x()),
                             scaling().toTwips(at.y())};
        switch (e.type()) {
        case QEvent::TouchBegin:
            m_swallowing = false;
            if (refusesPress(point.globalPosition())) {
                return;
            }
            m_pressed = true;
            if (events.mouseDown) {
                events.mouseDown(args);
            }
            break;
        case QEvent::TouchUpdate:
            if (!m_swallowing && m_pressed && events.mouseMove) {
                events.mouseMove(args);
            }
            break;
        default: {
            const bool wasPressed = m_pressed && !m_swallowing;
            m_pressed = m_swallowing = false;
            if (wasPressed) {
                released(args, e.type() == QEvent::TouchEnd, W::rect().contains(at.toPoint()),
                         point.globalPosition());
            }
            break;
        }
        }
    }

    static inline const FontSpec kNoFont{};

    TwipRect m_rect;
    std::optional<FontSpec> m_font;
    QFont m_styleFont;
    bool m_pressed = false;
    bool m_swallowing = false;
};

} // namespace forms
