#include "forms/checkbox.h"

namespace forms {

CheckBox::CheckBox(QWidget* parent) : Control<QCheckBox>(parent) {
    connect(this, &QCheckBox::toggled, this, [this] {
        if (events.click) {
            events.click();
        }
    });
}

void CheckBox::setBackColor(const QColor& c) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, c);
    pal.setColor(QPalette::Button, c);
    setPalette(pal);
    setAutoFillBackground(true);
}

void CheckBox::setForeColor(const QColor& c) {
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, c);
    setPalette(pal);
}

} // namespace forms
