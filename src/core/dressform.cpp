#include "core/dressform.h"

#include "forms/display.h"
#include "forms/image.h"
#include "forms/screen.h"

void dressform(forms::Screen& screen, forms::Display& display) {
    screen.setBackColor(kDressColour);
    screen.setCaption(QStringLiteral("Placeworks"));
    try {
        // Looked up by name, as any screen may or may not have one.
        auto* named = screen.findChild<QWidget*>(QStringLiteral("Picture1"));
        if (auto* picture1 = dynamic_cast<forms::PictureBox*>(named)) {
            picture1->setBackColor(QColor(49, 135, 214));
        }
        screen.setWidth(12000);
        screen.setHeight(9000);
        const float w = display.widthTwips();
        const float h = display.heightTwips();
        display.setBusyPointer(true);
        // No clamping: on a display smaller than the screen it starts above and left.
        screen.setTop(h / 2 - screen.Height() / 2);
        screen.setLeft(w / 2 - screen.Width() / 2);
        display.setBusyPointer(false);
    } catch (...) {
        display.setBusyPointer(false);
    }
}
