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
    m_back = c;
    restyle();
}

void CheckBox::setForeColor(const QColor& c) {
    m_fore = c;
    restyle();
}

// The style draws the indicator; colours go through a style sheet, which every style honours.
void CheckBox::restyle() {
    QString sheet;
    if (m_back.isValid()) {
        sheet += QStringLiteral("background-color: %1; ").arg(m_back.name());
    }
    if (m_fore.isValid()) {
        sheet += QStringLiteral("color: %1; ").arg(m_fore.name());
    }
    setStyleSheet(QStringLiteral("QCheckBox { %1}").arg(sheet));
}

} // namespace forms
