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
    m_back = c;
    restyle();
}

void OptionButton::setForeColor(const QColor& c) {
    m_fore = c;
    restyle();
}

// The style draws the indicator; colours go through a style sheet, which every style honours.
void OptionButton::restyle() {
    QString sheet;
    if (m_back.isValid()) {
        sheet += QStringLiteral("background-color: %1; ").arg(m_back.name());
    }
    if (m_fore.isValid()) {
        sheet += QStringLiteral("color: %1; ").arg(m_fore.name());
    }
    setStyleSheet(QStringLiteral("QRadioButton { %1}").arg(sheet));
}

OptionGroup::OptionGroup(QObject* parent) : QObject(parent), m_group(this) {
    m_group.setExclusive(true);
}

void OptionGroup::add(OptionButton& button) {
    m_group.addButton(&button);
}

} // namespace forms
