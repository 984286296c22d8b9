#pragma once

#include "forms/control.h"

#include <QLineEdit>

namespace forms {

// A one-line text field. Typing stops at the maximum length; an optional filter
// refuses characters at typing and pasting (so nothing is lost silently later).
class TextBox : public Control<QLineEdit> {
public:
    explicit TextBox(QWidget* parent);

    QString Text() const { return text(); }
    void setText(const QString& t) { QLineEdit::setText(t); }
    void setMaxLength(int n) { QLineEdit::setMaxLength(n > 0 ? n : 32767); }
    void setFont(const FontSpec& font);
    void setCharacterFilter(std::function<bool(QChar)> accept);

    // Called with the character code of each typed character (13 for Enter).
    std::function<void(int key)> keyPress;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool clicksOnRelease() const override { return false; }
};

} // namespace forms
