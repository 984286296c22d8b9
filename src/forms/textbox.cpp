#include "forms/textbox.h"

#include <QKeyEvent>
#include <QValidator>

namespace forms {
namespace {

class CharacterValidator final : public QValidator {
public:
    CharacterValidator(std::function<bool(QChar)> accept, QObject* parent)
        : QValidator(parent), m_accept(std::move(accept)) {}
    State validate(QString& input, int&) const override {
        for (QChar c : input) {
            if (!m_accept(c)) {
                return Invalid;
            }
        }
        return Acceptable;
    }

private:
    std::function<bool(QChar)> m_accept;
};

} // namespace

TextBox::TextBox(QWidget* parent) : Control<QLineEdit>(parent) {
    setFrame(true);
}

void TextBox::setFont(const FontSpec& font) {
    QLineEdit::setFont(toScreenFont(font));
}

void TextBox::setCharacterFilter(std::function<bool(QChar)> accept) {
    setValidator(new CharacterValidator(std::move(accept), this));
}

void TextBox::keyPressEvent(QKeyEvent* e) {
    if (keyPress) {
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
            keyPress(13);
        } else if (!e->text().isEmpty()) {
            keyPress(e->text().at(0).unicode());
        }
    }
    QLineEdit::keyPressEvent(e);
}

} // namespace forms
