#pragma once

#include "activities/activityscreen.h"
#include "support/casestudyscreens.h"
#include "support/programfixture.h"

#include <QPointingDevice>
#include <QTest>
#include <QWindow>
#include <memory>

class intro0;
class Titlefrm;
class CaseStudyMenu;

// The whole program driven as a pupil drives it: the pointer, the finger and the keys,
// through the display's window as the platform delivers them. Public, so that tables of
// cases can drive it.
class InputFixture : public ProgramFixture {
public:
    using ProgramFixture::click;
    using ProgramFixture::clock;
    using ProgramFixture::dialogs;
    using ProgramFixture::forms;
    using ProgramFixture::pressKey;
    using ProgramFixture::printer;
    using ProgramFixture::program;
    using ProgramFixture::settle;
    using ProgramFixture::sound;
    using ProgramFixture::state;
    using ProgramFixture::top;
    using ProgramFixture::type;
    using ProgramFixture::writeFile;

    QWindow* window() { return display.windowHandle(); }
    // Near a control's left end, where tick boxes and options have their indicators.
    static QPoint spot(const QWidget& w) { return w.mapTo(w.window(), QPoint(8, w.height() / 2)); }
    static QPoint centre(const QWidget& w) { return w.mapTo(w.window(), w.rect().center()); }
    static QPoint centre(const forms::TwipRect& r) {
        return {qRound((r.left + r.width / 2) / forms::kTwipsPerPixel),
                qRound((r.top + r.height / 2) / forms::kTwipsPerPixel)};
    }

    // A real double-click: two presses in quick succession, which Qt reports as a press
    // and a double-click.
    void doubleClick(const QWidget& w) {
        clock += 1000;
        QTest::mouseDClick(window(), Qt::LeftButton, {}, spot(w));
    }
    void clickOn(const QWidget& w) {
        clock += 1000;
        QTest::mouseClick(window(), Qt::LeftButton, {}, spot(w));
    }
    // Presses on the word, moves through a point away from it to the target, releases.
    void mouseDrag(const QWidget& word, QPoint to);
    void touchDrag(const QWidget& word, QPoint to);

    // The program from its start, as main() starts it.
    Titlefrm& start();
    intro0& toMenu();
    CaseStudyMenu& toFacts(); // "Manchester: The Facts"
    CaseStudyMenu& toDevelopment();

    // Presses Tab until the focus rests on target; false when it never does.
    bool tabTo(const QWidget& target, int most = 40);
    QWidget* focus() const;
    // The loaded screen of that name (manchester1lab) or class (intro0), or null.
    template <class T> auto* loaded() { return casestudyscreens::loaded<T>(program); }
    int played(const QString& file) const { return int(sound.played.count(file)); }

    // Every word into its own box by direct drops, so "Check Score" shows.
    static void placeAll(ActivityScreen& s);
    // Carries word w with the keys until it lies on target, then puts it down there.
    void carry(ActivityScreen& s, int w, const forms::TwipRect& target);
    // The screen and every control showing on it have a non-empty accessible name, and no
    // control that can be used reads as static text.
    static void expectNamed(forms::Screen& screen);

private:
    std::unique_ptr<QPointingDevice> m_finger;
};
