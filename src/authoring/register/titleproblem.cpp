#include "authoring/register/titleproblem.h"

#include "media/textfile/codepage.h"

#include <QStringList>

namespace reg {
namespace {

// Folder separators, the characters file systems refuse in a name, and the two characters
// that the register and the quiz files cannot carry.
const QString kForbidden = QStringLiteral("/\\,&:*?\"<>|");

bool isControl(QChar c) {
    return c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0);
}

bool onlyDotsAndSpaces(const QString& title) {
    for (QChar c : title) {
        if (c != QLatin1Char('.') && c != QLatin1Char(' '))
            return false;
    }
    return true;
}

// The characters of title that cannot be used, each once, in the order found. Control
// characters are left out: they have no visible form to name.
QStringList unusableCharacters(const QString& title) {
    QStringList found;
    for (qsizetype i = 0; i < title.size(); ++i) {
        QString shown(title[i]);
        if (title[i].isHighSurrogate() && i + 1 < title.size())
            shown += title[++i];
        const bool unusable = kForbidden.contains(title[i]) || !media::isWindows1252(title[i]);
        if (unusable && !isControl(title[i]) && !found.contains(shown))
            found << shown;
    }
    return found;
}

} // namespace

std::optional<QString> titleProblem(const QString& title) {
    if (title.isEmpty())
        return std::nullopt;
    const QStringList found = unusableCharacters(title);
    if (!found.isEmpty())
        return QStringLiteral("A worksheet title cannot contain these characters: ") +
               found.join(QLatin1Char(' '));
    for (QChar c : title) {
        if (isControl(c))
            return QStringLiteral("A worksheet title cannot contain tabs or other control "
                                  "characters.");
    }
    if (onlyDotsAndSpaces(title))
        return QStringLiteral("A worksheet title cannot be made of dots and spaces only.");
    return std::nullopt;
}

} // namespace reg
