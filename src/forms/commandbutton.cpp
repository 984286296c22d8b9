#include "forms/commandbutton.h"

namespace forms {

CommandButton::CommandButton(QWidget* parent) : Control<QPushButton>(parent) {
    connect(this, &QPushButton::clicked, this, [this] {
        if (events.click) {
            events.click();
        }
    });
}

Frame::Frame(QWidget* parent) : Control<QFrame>(parent) {
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Sunken);
}

} // namespace forms
