#include "randominput.h"

#include "forms/label.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QWindow>

namespace {

QString at(QPoint p) {
    return QStringLiteral("(%1,%2)").arg(p.x()).arg(p.y());
}

// Characters a teacher might type into the wizard, the separators of the program's
// files among them, and the keys that move through a form.
const char kTyped[] = "abcxyzABCZ0129 ,&\".-'";
const Qt::Key kKeys[] = {Qt::Key_Return,    Qt::Key_Enter,  Qt::Key_Tab,   Qt::Key_Backtab,
                         Qt::Key_Backspace, Qt::Key_Escape, Qt::Key_Space, Qt::Key_Left,
                         Qt::Key_Down,      Qt::Key_Delete};

} // namespace

RandomInput::RandomInput(forms::Display& display, const forms::Forms& forms,
                         fakes::ScriptedDialogs& dialogs, fakes::RecordingPrintService& printer,
                         unsigned seed)
    : m_display(display), m_forms(forms), m_dialogs(dialogs), m_printer(printer), m_rng(seed) {}

QString RandomInput::step() {
    scriptServices();
    const int kind = below(100);
    if (kind < 55) {
        return click();
    }
    if (kind < 70) {
        return drag();
    }
    if (kind < 85) {
        return key();
    }
    return move();
}

void RandomInput::scriptServices() {
    m_dialogs.shown.clear();
    m_dialogs.answers.clear();
    for (int i = 0; i < 3; ++i) {
        m_dialogs.answers.push_back(below(2) ? media::Answer::Ok : media::Answer::Cancel);
    }
    m_printer.log.clear();
    m_printer.pictures.clear();
    m_printer.noPrinter = below(10) == 0;
}

QPoint RandomInput::anywhere() {
    return QPoint(below(m_display.width()), below(m_display.height()));
}

namespace {

// The buttons of a screen: its menu labels (bordered) and push buttons.
bool isButton(const QWidget* w) {
    if (const auto* label = dynamic_cast<const forms::Label*>(w)) {
        return label->border();
    }
    return dynamic_cast<const QPushButton*>(w) != nullptr;
}

// The buttons that go back: leaving a screen, a previous question, starting again.
bool goesBack(const QWidget* w) {
    QString caption;
    if (const auto* label = dynamic_cast<const forms::Label*>(w)) {
        caption = label->Caption();
    } else if (const auto* button = dynamic_cast<const QPushButton*>(w)) {
        caption = button->text();
    }
    return caption == QLatin1String("Exit") || caption == QLatin1String("Start Again") ||
           caption.startsWith(QLatin1String("<<"));
}

} // namespace

QPoint RandomInput::onControl() {
    forms::Screen* top = m_forms.topScreen();
    if (!top) {
        return anywhere();
    }
    // Half of the time a button, and then mostly one that leads on rather than back, so
    // that a run gets through a whole quiz now and then.
    const bool buttons = below(2) == 0;
    std::vector<QWidget*> controls;
    for (QWidget* w : top->findChildren<QWidget*>()) {
        if (!w->isVisible() || !w->isEnabled() || w->width() <= 0 || w->height() <= 0) {
            continue;
        }
        if (!buttons || (isButton(w) && (!goesBack(w) || below(4) == 0))) {
            controls.push_back(w);
        }
    }
    if (controls.empty()) {
        return anywhere();
    }
    QWidget* w = controls[size_t(below(int(controls.size())))];
    const QPoint local(below(w->width()), below(w->height()));
    const QPoint p = w->mapTo(&m_display, local);
    // A control partly off the display is clicked where it shows.
    return p.x() >= 0 && p.y() >= 0 && p.x() < m_display.width() && p.y() < m_display.height()
               ? p
               : anywhere();
}

QString RandomInput::click() {
    const QPoint p = target();
    const Qt::MouseButton button = below(20) == 0 ? Qt::RightButton : Qt::LeftButton;
    QTest::mouseClick(m_display.windowHandle(), button, {}, p);
    return QStringLiteral("click %1 %2").arg(button == Qt::LeftButton ? "left" : "right", at(p));
}

QString RandomInput::drag() {
    const QPoint from = target();
    QWindow* window = m_display.windowHandle();
    QTest::mousePress(window, Qt::LeftButton, {}, from);
    QString text = QStringLiteral("drag %1").arg(at(from));
    QPoint p = from;
    // Half of the drags end on a control, where a word label finds its box.
    const bool toControl = below(2) == 0;
    for (int i = below(8); i >= 0; --i) {
        p = below(3) == 0 ? anywhere() : p + QPoint(below(41) - 20, below(41) - 20);
        p.setX(std::clamp(p.x(), 0, m_display.width() - 1));
        p.setY(std::clamp(p.y(), 0, m_display.height() - 1));
        QTest::mouseMove(window, p);
        text += QStringLiteral(" %1").arg(at(p));
    }
    if (toControl) {
        p = onControl();
        QTest::mouseMove(window, p);
        text += QStringLiteral(" %1").arg(at(p));
    }
    QTest::mouseRelease(window, Qt::LeftButton, {}, p);
    return text;
}

QString RandomInput::key() {
    QWidget* focus = QApplication::focusWidget();
    QWidget* to = focus ? focus : static_cast<QWidget*>(&m_display);
    if (below(3) == 0) {
        const Qt::Key k = kKeys[below(int(std::size(kKeys)))];
        QTest::keyClick(to, k);
        return QStringLiteral("key %1").arg(int(k), 0, 16);
    }
    const char c = kTyped[below(int(sizeof kTyped) - 1)];
    QTest::keyClick(to, c);
    return QStringLiteral("type '%1'").arg(QLatin1Char(c));
}

QString RandomInput::move() {
    const QPoint p = target();
    QTest::mouseMove(m_display.windowHandle(), p);
    return QStringLiteral("move %1").arg(at(p));
}
