#pragma once

#include "forms/control.h"

#include <QButtonGroup>
#include <QRadioButton>

namespace forms {

// An option button. Buttons put in one OptionGroup are exclusive: selecting one
// clears the others, hidden members included. Click fires when the user selects it.
// The arrow keys choose the next or previous option of the group that the pupil can
// see, in reading order; from an option that cannot be seen (the hidden "no choice"
// one) Down and Right choose the first, Up and Left the last.
class OptionButton : public Control<QRadioButton> {
public:
    explicit OptionButton(QWidget* parent);

    bool Value() const { return isChecked(); }
    void setValue(bool v) { setChecked(v); }
    void setCaption(const QString& text) { setText(text); }
    void setBackColor(const QColor& c);
    void setForeColor(const QColor& c);

protected:
    bool clicksOnRelease() const override { return false; }
    void keyPressEvent(QKeyEvent* e) override;

private:
    void restyle();
    bool chooseNeighbour(bool next);

    QColor m_back;
    QColor m_fore;
};

class OptionGroup : public QObject {
public:
    explicit OptionGroup(QObject* parent);
    void add(OptionButton& button);

private:
    QButtonGroup m_group;
};

} // namespace forms
