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

MouseArgs mouseArgs(const QMouseEvent& event, bool forMove) {
    MouseArgs args;
    args.button = forMove ? buttonBits(event.buttons()) : buttonBits(event.button());
    const Qt::KeyboardModifiers m = event.modifiers();
    args.shift = ((m & Qt::ShiftModifier) ? 1 : 0) | ((m & Qt::ControlModifier) ? 2 : 0) |
                 ((m & Qt::AltModifier) ? 4 : 0);
    args.x = float(event.position().x()) * kTwipsPerPixel;
    args.y = float(event.position().y()) * kTwipsPerPixel;
    return args;
}

} // namespace forms
