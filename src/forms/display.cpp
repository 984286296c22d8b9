#include "forms/display.h"

#include "forms/twips.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace forms {

Display::Display(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Placeworks"));
    setAttribute(Qt::WA_OpaquePaintEvent);
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

} // namespace forms
