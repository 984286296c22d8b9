#pragma once

#include "forms/twips.h"

#include <QWidget>
#include <functional>

namespace forms {

class Forms;

// Base of every screen: a child widget of the Display, hidden when created. Holds its
// caption, colour, size and place in twips; its controls are members of the subclass.
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

private:
    void place();

    Forms& m_forms;
    QColor m_backColor = QColor(240, 240, 240);
    TwipRect m_rect;
    bool m_unloaded = false;
    bool m_maximised = false;
};

} // namespace forms
