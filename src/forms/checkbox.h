#pragma once

#include "forms/control.h"

#include <QCheckBox>

namespace forms {

// A tick box. Value 1 is ticked, 0 unticked. Click fires whenever the value changes,
// by the user or by the program, as the screens expect of a tick box.
class CheckBox : public Control<QCheckBox> {
public:
    explicit CheckBox(QWidget* parent);

    int Value() const { return isChecked() ? 1 : 0; }
    void setValue(int v) { setChecked(v != 0); }
    void setCaption(const QString& text) { setText(text); }
    void setBackColor(const QColor& c);
    void setForeColor(const QColor& c);

protected:
    bool clicksOnRelease() const override { return false; }

private:
    void restyle();

    QColor m_back;
    QColor m_fore;
};

} // namespace forms
