#include "forms/display.h"

#include "forms/accessibility.h"
#include "forms/twips.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

namespace forms {

Display::Display(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Placeworks"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    installAccessibility();
}

float Display::widthTwips() const {
    return float(width()) * kTwipsPerPixel;
}

float Display::heightTwips() const {
    return float(height()) * kTwipsPerPixel;
}

void Display::showOnScreen() {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        setGeometry(screen->geometry());
    }
    showFullScreen();
}

void Display::setBusyPointer(bool busy) {
    if (busy == m_busy) {
        return;
    }
    m_busy = busy;
    if (busy) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QGuiApplication::restoreOverrideCursor();
    }
}

void Display::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
}

void Display::announce(const QString& screenTitle) {
    const QString program = QStringLiteral("Placeworks");
    const QString title = screenTitle.trimmed();
    const QString window =
        title.isEmpty() || title == program ? program : title + QStringLiteral(" - ") + program;
    if (window != windowTitle()) {
        setWindowTitle(window); // tells screen readers of the new name
    } else {
        // Another screen of the same title still comes to the top.
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void Display::keyPressEvent(QKeyEvent* e) {
    e->ignore();
    if (m_keys) {
        m_keys(*e);
    }
}

} // namespace forms
