#include "fakes/scripteddialogs.h"

#include <QStringList>

namespace fakes {

media::Answer ScriptedDialogs::message(const QString& text, media::Buttons buttons,
                                       const QString& caption) {
    shown.append({text, buttons, caption});
    if (answers.empty()) {
        return media::Answer::Ok;
    }
    const media::Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

QStringList ScriptedDialogs::texts() const {
    QStringList result;
    for (const Shown& s : shown) {
        result.append(s.text);
    }
    return result;
}

} // namespace fakes
