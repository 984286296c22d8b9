#include "media/dialogs/qtdialogs.h"

#include <QMessageBox>

namespace media {

Answer QtDialogs::message(const QString& text, Buttons buttons, const QString& caption) {
    QMessageBox box(m_parent);
    box.setWindowModality(Qt::ApplicationModal);
    // An empty caption gives an empty title bar, not the application name.
    box.setWindowTitle(caption.isEmpty() ? QStringLiteral(" ") : caption);
    box.setText(text);
    if (buttons == Buttons::OkCancel) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
    }
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
    // Without a window manager (a kiosk session) nothing gives the keyboard back to the
    // program's window when the box closes.
    if (m_parent) {
        m_parent->activateWindow();
    }
    return box.clickedButton() == box.button(QMessageBox::Ok) ? Answer::Ok : Answer::Cancel;
}

} // namespace media
