#pragma once

#include <QWidget>

namespace forms {

// The program's one top-level window, filling the screen. Every screen is a child of
// it; the stacking of its children is the stacking of the screens.
class Display : public QWidget {
public:
    explicit Display(QWidget* parent = nullptr);

    // Width and height in twips: the pixel size times 15.
    float widthTwips() const;
    float heightTwips() const;

    // Shows the window over the whole screen. Without a window manager showFullScreen()
    // alone leaves a small window, so the geometry is set first.
    void showOnScreen();

    // The display-wide pointer: the hourglass while busy, else the default.
    void setBusyPointer(bool busy);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    bool m_busy = false;
};

} // namespace forms
