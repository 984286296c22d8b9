#include "forms/screen.h"

#include "forms/control.h"
#include "forms/display.h"
#include "forms/forms.h"
#include "forms/timer.h"

#include "forms/readingorder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

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

namespace {

const QButtonGroup* exclusiveGroup(const QWidget& w) {
    const auto* button = qobject_cast<const QAbstractButton*>(&w);
    const QButtonGroup* group = button ? button->group() : nullptr;
    return group && group->exclusive() ? group : nullptr;
}

} // namespace

bool Screen::isStop(const QWidget& w) const {
    // A button of a group drops out of Tab while another one has the focus, so only its
    // own policy counts here; the group rule picks one of them.
    const Qt::FocusPolicy policy = w.focusPolicy();
    const bool focusable = exclusiveGroup(w) ? policy != Qt::NoFocus : (policy & Qt::TabFocus);
    return focusable && w.isVisibleTo(this) && w.isEnabledTo(this) && !isCovered(w);
}

std::vector<QWidget*> Screen::candidates(QWidget* also) const {
    std::vector<QWidget*> all;
    const auto wanted = [&](QWidget* w) { return w == also || isStop(*w); };
    if (m_designedOrder) {
        for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
            if (isAncestorOf(w) && wanted(w)) {
                all.push_back(w);
            }
        }
        return all;
    }
    // Only the stops are put in reading order: a tall picture would make one line of all.
    std::vector<QWidget*> found;
    std::vector<ReadingBox> boxes;
    for (QWidget* w : findChildren<QWidget*>()) {
        if (wanted(w)) {
            const QPoint at = w->mapTo(this, QPoint(0, 0));
            found.push_back(w);
            boxes.push_back({double(at.x()), double(at.y()), double(w->height())});
        }
    }
    for (std::size_t i : readingOrder(boxes)) {
        all.push_back(found[i]);
    }
    return all;
}

std::vector<QWidget*> Screen::ordered(QWidget* also) const {
    std::vector<QWidget*> stops;
    std::vector<const QButtonGroup*> groups;
    for (QWidget* w : candidates(also)) {
        if (w == also) {
            stops.push_back(w);
            continue;
        }
        const QButtonGroup* group = exclusiveGroup(*w);
        if (!group) {
            stops.push_back(w);
            continue;
        }
        // One stop per group: its chosen button if that can be reached, else its first.
        if (std::find(groups.begin(), groups.end(), group) != groups.end()) {
            continue;
        }
        QAbstractButton* chosen = group->checkedButton();
        if (!chosen || !isStop(*chosen)) {
            chosen = static_cast<QAbstractButton*>(w);
        }
        groups.push_back(group);
        if (chosen != also) { // else it comes in at its own place
            stops.push_back(chosen);
        }
    }
    return stops;
}

QWidget* Screen::firstFocus() {
    const std::vector<QWidget*> stops = tabStops();
    return stops.empty() ? nullptr : stops.front();
}

void Screen::focusFirst() {
    if (QWidget* w = firstFocus()) {
        w->setFocus(Qt::OtherFocusReason);
    } else {
        // Keys still reach the screen: Escape and the program-wide keys.
        setFocus(Qt::OtherFocusReason);
    }
}

bool Screen::focusNextPrevChild(bool next) {
    if (m_unloaded || !isVisible() || !isEnabled()) {
        return false;
    }
    // The window's own focus widget: the application has none while the window is not
    // active (a message box has just closed, say), yet keys still come to it.
    QWidget* focus = window()->focusWidget();
    if (focus && !isAncestorOf(focus)) {
        focus = nullptr;
    }
    std::vector<QWidget*> stops = ordered(focus);
    const auto at = std::find(stops.begin(), stops.end(), focus);
    const qsizetype n = qsizetype(stops.size()) - (at != stops.end() ? 1 : 0);
    if (n <= 0) {
        return false;
    }
    qsizetype i = 0;
    if (at != stops.end()) {
        const qsizetype from = at - stops.begin();
        stops.erase(at);
        // Past the focused control, wrapping round at either end.
        i = ((next ? from : from - 1) % n + n) % n;
    } else if (!next) {
        i = n - 1;
    }
    stops[size_t(i)]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void Screen::screenKey(QKeyEvent& e) {
    const bool plain = (e.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == 0;
    showKeyboardFocus(*this);
    if (plain && e.key() == Qt::Key_Escape) {
        ControlCore* exit = exitControl();
        if (exit && !e.isAutoRepeat() && exit->widget().isVisibleTo(this) &&
            exit->widget().isEnabledTo(this)) {
            exit->activate();
        }
        e.accept();
        return;
    }
    if (plain && (e.key() == Qt::Key_Up || e.key() == Qt::Key_Left || e.key() == Qt::Key_Down ||
                  e.key() == Qt::Key_Right)) {
        focusNextPrevChild(e.key() == Qt::Key_Down || e.key() == Qt::Key_Right);
        e.accept();
        return;
    }
    if (m_forms.programKey(e)) {
        e.accept();
        return;
    }
    e.ignore();
}

void Screen::place() {
    setGeometry(scalingOf(*this).toPixelRect(m_rect));
}

} // namespace forms
