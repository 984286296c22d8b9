#pragma once

#include <QString>

namespace media {

enum class Buttons { Ok, OkCancel };
enum class Answer { Ok, Cancel };

// Message boxes, modal to the program's window.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual Answer message(const QString& text, Buttons buttons = Buttons::Ok,
                           const QString& caption = QStringLiteral("Placeworks")) = 0;
};

} // namespace media
