#include "forms/control.h"

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

MouseArgs mouseArgs(const QMouseEvent& event, bool forMove, const Scaling& scaling) {
    MouseArgs args;
    args.button = forMove ? buttonBits(event.buttons()) : buttonBits(event.button());
    const Qt::KeyboardModifiers m = event.modifiers();
    args.shift = ((m & Qt::ShiftModifier) ? 1 : 0) | ((m & Qt::ControlModifier) ? 2 : 0) |
                 ((m & Qt::AltModifier) ? 4 : 0);
    args.x = scaling.toTwips(event.position().x());
    args.y = scaling.toTwips(event.position().y());
    return args;
}

QRectF paintBorder(QPainter& painter, const QRectF& r, qreal width) {
    painter.fillRect(QRectF(r.left(), r.top(), r.width(), width), Qt::black);
    painter.fillRect(QRectF(r.left(), r.bottom() - width, r.width(), width), Qt::black);
    painter.fillRect(QRectF(r.left(), r.top(), width, r.height()), Qt::black);
    painter.fillRect(QRectF(r.right() - width, r.top(), width, r.height()), Qt::black);
    return r.adjusted(width, width, -width, -width);
}

} // namespace forms
