#include "inputfixture.h"

#include "shell/casestudymenu.h"
#include "shell/intro0.h"
#include "shell/titlefrm.h"

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
