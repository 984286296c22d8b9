#pragma once

#include "forms/control.h"

#include <QLineEdit>

namespace forms {

// A one-line text field. Typing stops at the maximum length, but a longer text set by
// the program is kept whole (the limit holds typing only, so a file opened for editing
// never loses its end); an optional filter refuses characters at typing and pasting, and
// control characters that a user types or pastes become spaces.
class TextBox : public Control<QLineEdit> {
public:
    explicit TextBox(QWidget* parent);

    QString Text() const { return text(); }
    void setText(const QString& t);
    void setMaxLength(int n);
    void setCharacterFilter(std::function<bool(QChar)> accept);

    // Called with the character code of each typed character (13 for Enter).
    std::function<void(int key)> keyPress;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool clicksOnRelease() const override { return false; }

private:
    void followLength();
    void dropControlCharacters();

    int m_maxLength = 32767;
};

} // namespace forms
