#pragma once

#include "support/casestudyscreens.h"
#include "support/programfixture.h"

#include <QTest>
#include <QWindow>

// Activity screens driven by real mouse input. Presses, moves and releases go in through
// the display's window, as the platform delivers them, so Qt itself decides which widget
// receives each one (and keeps moves with the pressed label while a button is held).
class ActivityTest : public ProgramFixture {
protected:
    ActivityTest() { state.soundon = 1; }

    template <class S>
    typename S::Class& open(const QString& title = QStringLiteral("Manchester: The Facts")) {
        return casestudyscreens::openActivity<S>(program, title);
    }

    // A twip position of the display, in its pixels.
    QPoint pixel(float x, float y) const { return pixelAt(x, y); }
    static QPoint centreOf(const QWidget& w) { return w.mapTo(w.window(), w.rect().center()); }
    // The middle of a twip rectangle of the screen on top.
    QPoint centreOf(const forms::TwipRect& r) const {
        return pixel(top()->Left() + r.left + r.width / 2, top()->Top() + r.top + r.height / 2);
    }

    void press(QPoint at, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mousePress(display.windowHandle(), b, {}, at);
    }
    void moveTo(QPoint at) { QTest::mouseMove(display.windowHandle(), at); }
    void release(QPoint at, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mouseRelease(display.windowHandle(), b, {}, at);
    }

    // Presses on the control, moves first through a point well away from it and then to
    // the target, and releases there.
    void dragTo(const QWidget& control, QPoint target, Qt::MouseButton b = Qt::LeftButton) {
        const QPoint start = centreOf(control);
        press(start, b);
        moveTo(QPoint(400, start.y() < 300 ? 560 : 20));
        moveTo(target);
        release(target, b);
    }

    // Drags word label `word` into answer box `box` of the screen.
    void place(ActivityScreen& s, int word, int box) {
        dragTo(s.Label2[word], centreOf(s.Label1[box].rect()));
    }

    int thuds() const { return int(sound.played.count(QStringLiteral("wav\\thud3.wav"))); }
};
