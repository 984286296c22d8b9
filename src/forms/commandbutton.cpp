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
    setLineWidth(qMax(1, qRound(scaling().scale())));
}

void Frame::rescale() {
    Control<QFrame>::rescale();
    setLineWidth(qMax(1, qRound(scaling().scale())));
}

} // namespace forms
