#pragma once

#include "forms/twips.h"

#include <QWidget>
#include <functional>
#include <vector>

namespace forms {

class Forms;
class ControlCore;

// Base of every screen: a child widget of the Display, hidden when created. Holds its
// caption, colour, size and place in twips; its controls are members of the subclass.
//
// The keyboard: Tab and Shift+Tab, and the arrow keys where the focused control has no
// use for them, move the focus over the screen's controls in reading order (line by
// line from the top, each line from the left) or in the screen's own tab chain; a
// control that lies wholly under another one is skipped, and a group of option buttons
// is one stop (its chosen button). Escape clicks the screen's "Exit". Other keys that
// nothing used go to the program-wide keys of Forms.
class Screen : public QWidget, public Scalable {
public:
    explicit Screen(Forms& forms);

    // Runs inside the reference that first touches the screen, after it has been
    // registered, so a screen can refer to itself while it loads.
    virtual void Form_Load() {}
    // A mouse move over the screen's own background (never over a control).
    virtual void Form_MouseMove(int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {}

    QString Caption() const { return windowTitle(); }
    void setCaption(const QString& text) { setWindowTitle(text); }
    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor& c);

    float Left() const { return m_rect.left; }
    float Top() const { return m_rect.top; }
    float Width() const { return m_rect.width; }
    float Height() const { return m_rect.height; }
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

    // What a screen reader announces when the screen comes to the top.
    virtual QString screenTitle() const { return Caption(); }
    // The control that takes the focus when the screen comes to the top: the first stop
    // of the keyboard order, unless a screen names another.
    virtual QWidget* firstFocus();
    // The control Escape clicks, or nullptr.
    virtual ControlCore* exitControl() { return m_exit; }
    void setExitControl(ControlCore& control) { m_exit = &control; }
    // Tab follows the chain set with QWidget::setTabOrder instead of reading order.
    void setDesignedTabOrder(bool designed) { m_designedOrder = designed; }

    // The controls Tab visits, in order.
    std::vector<QWidget*> tabStops() const { return ordered(nullptr); }
    void focusFirst();
    // Escape, the arrows and the program-wide keys, for a key that no control used.
    void screenKey(QKeyEvent& e);

    // A maximised screen fills the display, whatever its size.
    void setMaximised(bool maximised);
    bool maximised() const { return m_maximised; }
    // The display changed size from one twip size to another: a maximised screen fills
    // it again, any other keeps its place relative to the display's centre.
    void displayResized(QSizeF from, QSizeF to);
    void rescale() override { place(); }

    Forms& forms() const { return m_forms; }
    // True once the screen has been unloaded; its handlers must do nothing more.
    bool unloaded() const { return m_unloaded; }
    void markUnloaded();

protected:
    void mouseMoveEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* e) override { screenKey(*e); }
    bool focusNextPrevChild(bool next) override;

private:
    void place();
    bool isStop(const QWidget& w) const;
    // The stops in order, with also (when given) a focused control that is not one.
    std::vector<QWidget*> ordered(QWidget* also) const;
    // The stops, and also, in reading order or the screen's own chain.
    std::vector<QWidget*> candidates(QWidget* also) const;

    Forms& m_forms;
    QColor m_backColor = QColor(240, 240, 240);
    TwipRect m_rect;
    bool m_unloaded = false;
    ControlCore* m_exit = nullptr;
    bool m_designedOrder = false;
    bool m_maximised = false;
};

} // namespace forms
