#include "forms/optionbutton.h"

#include "forms/indicatorstyle.h"

namespace forms {

OptionButton::OptionButton(QWidget* parent) : Control<QRadioButton>(parent) {
    setStyle(IndicatorStyle::instance());
    setAutoExclusive(false);
    connect(this, &QRadioButton::clicked, this, [this] {
        if (events.click) {
            events.click();
        }
    });
}

void OptionButton::setBackColor(const QColor& c) {
    m_back = c;
    restyle();
}

void OptionButton::setForeColor(const QColor& c) {
    m_fore = c;
    restyle();
}

void OptionButton::restyle() {
    setStyleSheet(colourStyleSheet("QRadioButton", m_back, m_fore));
}

OptionGroup::OptionGroup(QObject* parent) : QObject(parent), m_group(this) {
    m_group.setExclusive(true);
}

void OptionGroup::add(OptionButton& button) {
    m_group.addButton(&button);
}

} // namespace forms
