#include "forms/optionbutton.h"

namespace forms {

OptionButton::OptionButton(QWidget* parent) : Control<QRadioButton>(parent) {
    setAutoExclusive(false);
    connect(this, &QRadioButton::clicked, this, [this] {
        if (events.click) {
            events.click();
        }
    });
}

void OptionButton::setBackColor(const QColor& c) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, c);
    setPalette(pal);
    setAutoFillBackground(true);
}

void OptionButton::setForeColor(const QColor& c) {
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, c);
    setPalette(pal);
}

OptionGroup::OptionGroup(QObject* parent) : QObject(parent), m_group(this) {
    m_group.setExclusive(true);
}

void OptionGroup::add(OptionButton& button) {
    m_group.addButton(&button);
}

} // namespace forms
