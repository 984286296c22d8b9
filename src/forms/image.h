#pragma once

#include "forms/control.h"
#include "forms/picture.h"

namespace forms {

// A picture control without a background of its own. Stretched, it scales its
// picture to its box; otherwise it takes the picture's own size. Where nothing lies beneath
// it but its screen's colour, it can paint that colour under its picture and cover its
// box: the screen need not paint beneath it, and the picture is kept laid on the colour,
// to be copied rather than blended.
class Image : public Control<QWidget> {
public:
    explicit Image(QWidget* parent);

    void setStretch(bool stretch) {
        m_stretch = stretch;
        update();
    }
    bool stretch() const { return m_stretch; }
    const Picture& picture() const { return m_picture; }
    void setPicture(const Picture& picture);
    // Nothing lies beneath the image but its screen's colour.
    void setOnScreenColour(bool on);
    // Draws the picture as this control would show it, at the display's resolution, into
    // the shared cache of drawn pictures, so that showing it later is a copy: a page about
    // to be turned to.
    void prepare(const Picture& picture) const;
    // The same for an image of its own size at left, top (twips) on a screen not made yet,
    // of the display widget is on.
    static void prepareAt(const QWidget& widget, float left, float top, const Picture& picture,
                          const QColor& backdrop = {});
    // The same for a stretched image in place (twips) on a screen not made yet.
    static void prepareIn(const QWidget& widget, const TwipRect& place, const Picture& picture,
                          const QColor& backdrop = {});

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Picture m_picture;
    bool m_stretch = false;
    bool m_onScreenColour = false;

    // The screen's colour beneath it, if set so; else none.
    QColor backdrop() const;
};

// A picture box: its own background colour, the picture drawn at its own size from
// the top-left corner and clipped to the box.
class PictureBox : public Control<QWidget> {
public:
    explicit PictureBox(QWidget* parent);

    const Picture& picture() const { return m_picture; }
    void setPicture(const Picture& picture);
    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor& c);
    void setBorder(bool single) {
        m_border = single;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Picture m_picture;
    QColor m_backColor = QColor(255, 255, 255);
    bool m_border = false;
};

} // namespace forms
