#include "forms/checkbox.h"

#include "forms/indicatorstyle.h"

namespace forms {

CheckBox::CheckBox(QWidget* parent) : Control<QCheckBox>(parent) {
    setStyle(IndicatorStyle::instance());
    connect(this, &QCheckBox::toggled, this, [this] {
        if (events.click) {
            events.click();
        }
    });
}

void CheckBox::setBackColor(const QColor& c) {
    m_back = c;
    restyle();
}

void CheckBox::setForeColor(const QColor& c) {
    m_fore = c;
    restyle();
}

void CheckBox::restyle() {
    setColours(*this, m_back, m_fore);
}

} // namespace forms
