#include "inputfixture.h"

#include "forms/control.h"
#include "shell/casestudymenu.h"
#include "shell/intro0.h"
#include "shell/titlefrm.h"

#include <QAccessible>
#include <QApplication>

void InputFixture::mouseDrag(const QWidget& word, QPoint to) {
    const QPoint from = centre(word);
    QTest::mousePress(window(), Qt::LeftButton, {}, from);
    QTest::mouseMove(window(), QPoint(400, from.y() < 300 ? 560 : 20));
    QTest::mouseMove(window(), to);
    QTest::mouseRelease(window(), Qt::LeftButton, {}, to);
}

void InputFixture::touchDrag(const QWidget& word, QPoint to) {
    if (!m_finger) {
        m_finger.reset(QTest::createTouchDevice());
    }
    QPointingDevice* finger = m_finger.get();
    const QPoint from = centre(word);
    QTest::touchEvent(window(), finger).press(0, from);
    QTest::touchEvent(window(), finger).move(0, QPoint(400, from.y() < 300 ? 560 : 20));
    QTest::touchEvent(window(), finger).move(0, to);
    QTest::touchEvent(window(), finger).release(0, to);
}

Titlefrm& InputFixture::start() {
    return forms.show<Titlefrm>();
}

intro0& InputFixture::toMenu() {
    click(start().Command1);
    return *loaded<intro0>();
}

CaseStudyMenu& InputFixture::toFacts() {
    click(toMenu().Label2[3]);
    return *loaded<manchester1>();
}

CaseStudyMenu& InputFixture::toDevelopment() {
    click(toMenu().Label2[4]);
    return *loaded<manchester2>();
}

QWidget* InputFixture::focus() const {
    return QApplication::focusWidget();
}

bool InputFixture::tabTo(const QWidget& target, int most) {
    for (int i = 0; i < most && focus() != &target; ++i) {
        pressKey(Qt::Key_Tab);
    }
    return focus() == &target;
}

void InputFixture::placeAll(ActivityScreen& s) {
    for (int i = 0; i < s.itemCount(); ++i) {
        s.Label2[i].move(s.Label1[i].Left(), s.Label1[i].Top());
        s.Label2_MouseUp(i, 1, 0, 0, 0);
    }
}

void InputFixture::carry(ActivityScreen& s, int w, const forms::TwipRect& target) {
    ASSERT_TRUE(tabTo(s.Label2[w]));
    pressKey(Qt::Key_Space);
    for (int i = 0;
         i < 25 && !(s.Label2[w].Left() == target.left && s.Label2[w].Top() == target.top); ++i) {
        pressKey(Qt::Key_Right);
    }
    ASSERT_EQ(s.Label2[w].Left(), target.left);
    pressKey(Qt::Key_Space);
}

void InputFixture::expectNamed(forms::Screen& screen) {
    const QString title = screen.screenTitle();
    EXPECT_FALSE(
        QAccessible::queryAccessibleInterface(&screen)->text(QAccessible::Name).trimmed().isEmpty())
        << "the screen";
    int controls = 0;
    for (QWidget* w : screen.findChildren<QWidget*>()) {
        auto* control = dynamic_cast<forms::ControlCore*>(w);
        if (!control || !w->isVisibleTo(&screen)) {
            continue;
        }
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
        ASSERT_NE(iface, nullptr);
        if (!iface->state().invisible) {
            ++controls;
            EXPECT_FALSE(iface->text(QAccessible::Name).trimmed().isEmpty())
                << "a " << w->metaObject()->className() << " at " << w->x() << "," << w->y()
                << " on " << title.toStdString();
        }
        if (control->interactive() && iface->role() == QAccessible::StaticText) {
            ADD_FAILURE() << "a control that can be used reads as static text on "
                          << title.toStdString();
        }
    }
    EXPECT_GT(controls, 0) << title.toStdString();
}
