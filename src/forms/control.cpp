#include "forms/control.h"

#include "forms/forms.h"
#include "forms/screen.h"

#include <QKeyEvent>

namespace forms {

static int buttonBits(Qt::MouseButtons b) {
    int bits = 0;
    if (b & Qt::LeftButton) {
        bits |= 1;
    }
    if (b & Qt::RightButton) {
        bits |= 2;
    }
    if (b & Qt::MiddleButton) {
        bits |= 4;
    }
    return bits;
}

int shiftBits(Qt::KeyboardModifiers m) {
    return ((m & Qt::ShiftModifier) ? 1 : 0) | ((m & Qt::ControlModifier) ? 2 : 0) |
           ((m & Qt::AltModifier) ? 4 : 0);
}

MouseArgs mouseArgs(const QMouseEvent& event, bool forMove, const Scaling& scaling) {
    MouseArgs args;
    args.button = forMove ? buttonBits(event.buttons()) : buttonBits(event.button());
    args.shift = shiftBits(event.modifiers());
    args.x = scaling.toTwips(event.position().x());
    args.y = scaling.toTwips(event.position().y());
    return args;
}

GuardContext guardContext(const QWidget& widget, std::optional<QPointF> at) {
    for (const QWidget* w = &widget; w; w = w->parentWidget()) {
        if (const auto* screen = dynamic_cast<const Screen*>(w)) {
            Forms& forms = screen->forms();
            return {&forms.clickGuard(), {&widget, forms.topScreen(), at}};
        }
    }
    return {};
}

void showKeyboardFocus(QWidget& widget) {
    QWidget* window = widget.window();
    if (!window->testAttribute(Qt::WA_KeyboardFocusChange)) {
        window->setAttribute(Qt::WA_KeyboardFocusChange);
        if (QWidget* focus = window->focusWidget()) {
            focus->update();
        }
    }
}

bool isActivationKey(const QKeyEvent& event) {
    const int key = event.key();
    const bool plain = (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == 0;
    return plain && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter);
}

bool isCovered(const QWidget& w) {
    const QWidget* parent = w.parentWidget();
    if (!parent) {
        return false;
    }
    const QObjectList& siblings = parent->children();
    const QRect r = w.geometry();
    for (qsizetype i = siblings.indexOf(&w) + 1; i < siblings.size(); ++i) {
        const auto* s = qobject_cast<const QWidget*>(siblings[i]);
        if (s && s->isVisibleTo(parent) && s->geometry().contains(r)) {
            return true;
        }
    }
    return false;
}

QRectF paintBorder(QPainter& painter, const QRectF& r, qreal width) {
    painter.fillRect(QRectF(r.left(), r.top(), r.width(), width), Qt::black);
    painter.fillRect(QRectF(r.left(), r.bottom() - width, r.width(), width), Qt::black);
    painter.fillRect(QRectF(r.left(), r.top(), width, r.height()), Qt::black);
    painter.fillRect(QRectF(r.right() - width, r.top(), width, r.height()), Qt::black);
    return r.adjusted(width, width, -width, -width);
}

} // namespace forms
