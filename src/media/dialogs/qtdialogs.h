#pragma once

#include "media/dialogs/dialogs.h"

class QWidget;

namespace media {

// Message boxes on QMessageBox, modal to the program's window.
class QtDialogs final : public Dialogs {
public:
    // parent: the program's window, over which the boxes are centred (may be null).
    explicit QtDialogs(QWidget* parent) : m_parent(parent) {}
    Answer message(const QString& text, Buttons buttons, const QString& caption) override;

private:
    QWidget* m_parent;
};

} // namespace media
