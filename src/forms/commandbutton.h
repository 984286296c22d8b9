#pragma once

#include "forms/control.h"

#include <QFrame>
#include <QPushButton>

namespace forms {

// A grey push button; Click fires on the Qt click (mouse or keyboard).
class CommandButton : public Control<QPushButton> {
public:
    explicit CommandButton(QWidget* parent);

    QString Caption() const { return text(); }
    void setCaption(const QString& t) { setText(t); }

protected:
    bool clicksOnRelease() const override { return false; }
};

// A frame: a plain container whose children are placed relative to it.
class Frame : public Control<QFrame> {
public:
    explicit Frame(QWidget* parent);
    void rescale() override;
};

} // namespace forms
