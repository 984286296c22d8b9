#pragma once

#include "media/dialogs/dialogs.h"

#include <QList>
#include <deque>

namespace fakes {

// Records every message and answers from a queue; Ok once the queue is empty.
class ScriptedDialogs final : public media::Dialogs {
public:
    struct Shown {
        QString text;
        media::Buttons buttons;
        QString caption;
    };

    media::Answer message(const QString& text, media::Buttons buttons,
                          const QString& caption) override;

    // The texts shown, in order.
    QStringList texts() const;

    std::deque<media::Answer> answers;
    QList<Shown> shown;
};

} // namespace fakes
