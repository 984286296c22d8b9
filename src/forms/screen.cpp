#include "forms/screen.h"

#include "forms/control.h"
#include "forms/forms.h"
#include "forms/timer.h"

#include <QPainter>

namespace forms {

Screen::Screen(Forms& forms) : QWidget(forms.display()), m_forms(forms) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QWidget::hide();
}

void Screen::setBackColor(const QColor& c) {
    m_backColor = c;
    update();
}

void Screen::markUnloaded() {
    m_unloaded = true;
    // Timer has no meta-object of its own, so find timers by their C++ type.
    for (QObject* child : findChildren<QObject*>()) {
        if (auto* t = dynamic_cast<Timer*>(child)) {
            t->setEnabled(false);
        }
    }
}

void Screen::mouseMoveEvent(QMouseEvent* e) {
    if (!m_unloaded) {
        const MouseArgs a = mouseArgs(*e, true);
        Form_MouseMove(a.button, a.shift, a.x, a.y);
    }
    e->accept();
}

void Screen::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), m_backColor);
}

void Screen::place() {
    setGeometry(toPixelRect(m_rect));
}

} // namespace forms
