#pragma once

#include "forms/twips.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <functional>
#include <optional>

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

// Paints a single-line black border of the given width inside r; returns what is left
// inside it.
QRectF paintBorder(QPainter& painter, const QRectF& r, qreal width);

// The handlers a control can have. An unset handler is an empty body.
struct ControlEvents {
    std::function<void()> click;
    std::function<void(const MouseArgs&)> mouseMove;
    std::function<void(const MouseArgs&)> mouseDown;
    std::function<void(const MouseArgs&)> mouseUp;
};

// Placement in twips and the mouse rules shared by every control. W is the Qt widget
// the control is drawn with. A control consumes its own mouse moves: they never reach
// the screen beneath, so Form_MouseMove fires only over the screen's own background.
// While a button is held after a press on the control, moves keep coming to it.
// Place and font follow the display's scaling; mouse positions come back in twips.
template <class W> class Control : public W, public Scalable {
public:
    explicit Control(QWidget* parent) : W(parent), m_styleFont(W::font()) {
        W::setMouseTracking(true);
        if (!(scaling() == Scaling())) {
            applyFont();
        }
    }

    ControlEvents events;
    int index = -1; // place in its control array, -1 when not in one

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

    // The control's own Visible flag, whether or not its screen is showing.
    bool Visible() const {
        return W::parentWidget() ? W::isVisibleTo(W::parentWidget()) : W::isVisible();
    }
    bool Enabled() const { return W::isEnabled(); }

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
    void mouseMoveEvent(QMouseEvent* e) override {
        W::mouseMoveEvent(e);
        if (events.mouseMove) {
            events.mouseMove(mouseArgs(*e, true, scaling()));
        }
        e->accept();
    }
    void mousePressEvent(QMouseEvent* e) override {
        W::mousePressEvent(e);
        m_pressed = true;
        if (events.mouseDown) {
            events.mouseDown(mouseArgs(*e, false, scaling()));
        }
        e->accept();
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        const bool wasPressed = m_pressed;
        m_pressed = (e->buttons() != Qt::NoButton);
        W::mouseReleaseEvent(e);
        // The release handler may move or even destroy the screen, so take what the
        // click test needs first.
        const bool inside = W::rect().contains(e->position().toPoint());
        const bool leftClick = e->button() == Qt::LeftButton;
        if (events.mouseUp) {
            events.mouseUp(mouseArgs(*e, false, scaling()));
        }
        if (wasPressed && leftClick && inside && clicksOnRelease() && events.click) {
            events.click();
        }
        e->accept();
    }
    void wheelEvent(QWheelEvent* e) override { e->accept(); }

    // Labels and pictures click on release inside; buttons and boxes use their own
    // Qt signals instead.
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
    static inline const FontSpec kNoFont{};

    TwipRect m_rect;
    std::optional<FontSpec> m_font;
    QFont m_styleFont;
    bool m_pressed = false;
};

} // namespace forms
