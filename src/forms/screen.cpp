#include "forms/screen.h"

#include "forms/control.h"
#include "forms/display.h"
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

void Screen::setMaximised(bool maximised) {
    m_maximised = maximised;
    if (maximised) {
        const Display& d = m_forms.displayWindow();
        m_rect = TwipRect{0, 0, d.widthTwips(), d.heightTwips()};
        place();
    }
}

void Screen::displayResized(QSizeF from, QSizeF to) {
    if (m_maximised) {
        m_rect = TwipRect{0, 0, float(to.width()), float(to.height())};
    } else {
        m_rect.left += float(to.width() - from.width()) / 2;
        m_rect.top += float(to.height() - from.height()) / 2;
    }
    place();
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
        const MouseArgs a = mouseArgs(*e, true, scalingOf(*this));
        Form_MouseMove(a.button, a.shift, a.x, a.y);
    }
    e->accept();
}

void Screen::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), m_backColor);
}

void Screen::place() {
    setGeometry(scalingOf(*this).toPixelRect(m_rect));
}

} // namespace forms
