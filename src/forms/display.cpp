#include "forms/display.h"

#include "forms/accessibility.h"
#include "forms/screen.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QShortcut>

namespace forms {

Display::Display(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Placeworks"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    installAccessibility();
    m_laidOut = scaling();
    m_laidOutTwips = QSizeF(widthTwips(), heightTwips());
    auto* fullScreen = new QShortcut(QKeySequence(Qt::Key_F11), this);
    fullScreen->setContext(Qt::WindowShortcut);
    QObject::connect(fullScreen, &QShortcut::activated, this, [this] { toggleFullScreen(); });
}

float Display::widthTwips() const {
    return scaling().toTwips(width());
}

float Display::heightTwips() const {
    return scaling().toTwips(height());
}

void Display::showOnScreen() {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        setGeometry(screen->geometry());
    }
    showFullScreen();
}

void Display::showWindowed() {
    if (isFullScreen()) {
        showNormal();
    }
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        setGeometry(windowedGeometry(screen->availableGeometry()));
    }
    show();
}

void Display::toggleFullScreen() {
    if (isFullScreen()) {
        showWindowed();
    } else {
        showOnScreen();
    }
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

void Display::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    const Scaling now = scaling();
    const QSizeF twips(widthTwips(), heightTwips());
    if (twips != m_laidOutTwips) {
        for (QObject* child : children()) {
            if (auto* screen = dynamic_cast<Screen*>(child)) {
                screen->displayResized(m_laidOutTwips, twips);
            }
        }
        m_laidOutTwips = twips;
    }
    if (!(now == m_laidOut)) {
        m_laidOut = now;
        for (QWidget* w : findChildren<QWidget*>()) {
            if (auto* scalable = dynamic_cast<Scalable*>(w)) {
                scalable->rescale();
            }
        }
    }
}

QRect windowedGeometry(const QRect& available) {
    const QSize most = available.size() * 3 / 4;
    const QSize size = QSize(4, 3).scaled(most, Qt::KeepAspectRatio);
    QRect r(QPoint(0, 0), size.expandedTo(QSize(1, 1)));
    r.moveCenter(available.center());
    return r;
}

Scaling scalingOf(const QWidget& widget) {
    if (const auto* display = dynamic_cast<const Display*>(widget.window())) {
        return display->scaling();
    }
    return Scaling();
}

} // namespace forms
