#include "forms/textbox.h"

#include "forms/fieldstyle.h"

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
    setStyle(FieldStyle::instance());
    connect(this, &QLineEdit::textChanged, this, [this] { followLength(); });
    connect(this, &QLineEdit::textEdited, this, [this] { dropControlCharacters(); });
}

// A one-line field holds no line breaks, tabs or other control characters: a pasted
// line break becomes a space, so what the user sees is what a file will hold.
void TextBox::dropControlCharacters() {
    QString t = text();
    bool changed = false;
    for (QChar& c : t) {
        const bool control = c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
                             c == QChar::ParagraphSeparator;
        if (control) {
            c = QLatin1Char(' ');
            changed = true;
        }
    }
    if (changed) {
        const int cursor = cursorPosition();
        QLineEdit::setText(t);
        setCursorPosition(cursor);
    }
}

void TextBox::setText(const QString& t) {
    QLineEdit::setMaxLength(qMax(m_maxLength, int(t.size())));
    QLineEdit::setText(t);
}

void TextBox::setMaxLength(int n) {
    m_maxLength = n > 0 ? n : 32767;
    followLength();
}

// The field's own limit is the designed one, or the length of a longer text it holds,
// so shortening such a text lowers the limit until the designed one holds again.
void TextBox::followLength() {
    QLineEdit::setMaxLength(qMax(m_maxLength, int(text().size())));
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
    Control<QLineEdit>::keyPressEvent(e);
}

} // namespace forms
