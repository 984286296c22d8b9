#include "forms/accessibility.h"

#include "forms/display.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/screen.h"

#include <QAccessibleWidget>

namespace forms {
namespace {

class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(Label& label) : QAccessibleWidget(&label), m_label(label) {}

    QAccessible::Role role() const override {
        return m_label.interactive() ? QAccessible::Button : QAccessible::StaticText;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            const QString own = m_label.accessibleName();
            return own.isEmpty() ? m_label.Caption() : own;
        }
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        // An empty outline or a blank line says nothing: screen readers skip it.
        if (!m_label.interactive() && text(QAccessible::Name).isEmpty()) {
            s.invisible = true;
        }
        return s;
    }
    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (m_label.interactive()) {
            names.prepend(pressAction());
        }
        return names;
    }
    void doAction(const QString& action) override {
        if (action == pressAction() && m_label.interactive()) {
            m_label.activate();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

private:
    Label& m_label;
};

class PictureAccessible : public QAccessibleWidget {
public:
    explicit PictureAccessible(QWidget& picture)
        : QAccessibleWidget(&picture, QAccessible::Graphic) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            const QString own = widget()->accessibleName();
            return own.isEmpty() ? QStringLiteral("Picture") : own;
        }
        return QAccessibleWidget::text(t);
    }
};

class ScreenAccessible : public QAccessibleWidget {
public:
    explicit ScreenAccessible(Screen& screen)
        : QAccessibleWidget(&screen, QAccessible::Pane), m_screen(screen) {}
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? m_screen.screenTitle() : QAccessibleWidget::text(t);
    }

private:
    Screen& m_screen;
};

// Our controls have no meta-object of their own, so they come here under the class name
// of the Qt widget they derive from.
QAccessibleInterface* factory(const QString&, QObject* object) {
    if (auto* label = dynamic_cast<Label*>(object)) {
        return new LabelAccessible(*label);
    }
    if (auto* image = dynamic_cast<Image*>(object)) {
        return new PictureAccessible(*image);
    }
    if (auto* box = dynamic_cast<PictureBox*>(object)) {
        return new PictureAccessible(*box);
    }
    if (auto* screen = dynamic_cast<Screen*>(object)) {
        return new ScreenAccessible(*screen);
    }
    if (auto* display = dynamic_cast<Display*>(object)) {
        // The program's one window, named by the screen on top.
        return new QAccessibleWidget(display, QAccessible::Window);
    }
    return nullptr;
}

} // namespace

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
}

void notifyNameChanged(QWidget& widget) {
    if (QAccessible::isActive()) {
        QAccessibleEvent event(&widget, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

} // namespace forms
