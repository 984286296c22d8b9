#pragma once

#include <QWidget>
#include <functional>

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

    // Makes a screen's title the window's, which screen readers announce.
    void announce(const QString& screenTitle);
    // Where the keys go that reach the window itself.
    void setKeyHandler(std::function<void(QKeyEvent&)> handler) { m_keys = std::move(handler); }

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    bool m_busy = false;
    std::function<void(QKeyEvent&)> m_keys;
};

} // namespace forms
