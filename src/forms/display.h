#pragma once

#include "forms/twips.h"

#include <QSizeF>
#include <QWidget>
#include <functional>

namespace forms {

// The program's one top-level window, filling the screen. Every screen is a child of
// it; the stacking of its children is the stacking of the screens. Its scaling is the
// largest at which the 12000 x 9000 design fits it, and follows every resize: screens
// keep their places relative to the display's centre (a maximised one keeps filling
// it), and every control is placed and lettered again at the new scale.
class Display : public QWidget {
public:
    explicit Display(QWidget* parent = nullptr);

    Scaling scaling() const { return Scaling::toFit(size()); }

    // Width and height in twips: the pixel size times the twips per pixel (15 at 800 x 600).
    float widthTwips() const;
    float heightTwips() const;

    // Shows the window over the whole screen. Without a window manager showFullScreen()
    // alone leaves a small window, so the geometry is set first.
    void showOnScreen();
    // Shows an ordinary, resizable window in the middle of the screen.
    void showWindowed();
    // Full screen to window and back (F11).
    void toggleFullScreen();

    // The display-wide pointer: the hourglass while busy, else the default.
    void setBusyPointer(bool busy);

    // Makes a screen's title the window's, which screen readers announce.
    void announce(const QString& screenTitle);
    // Where the keys go that reach the window itself.
    void setKeyHandler(std::function<void(QKeyEvent&)> handler) { m_keys = std::move(handler); }

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent*) override;

private:
    bool m_busy = false;
    std::function<void(QKeyEvent&)> m_keys;
    Scaling m_laidOut;
    QSizeF m_laidOutTwips;
};

// A window for the 4 : 3 design within a screen's available area: the largest that
// takes at most three quarters of its width and height, centred on it.
QRect windowedGeometry(const QRect& available);

} // namespace forms
