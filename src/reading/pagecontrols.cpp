#include "reading/pagecontrols.h"

namespace reading {

namespace {

struct Button {
    int index;
    const char* caption;
    forms::TwipRect place;
};

const Button kButtons[] = {
    {kPrint, "Print", {10680, 120, 1125, 495}},
    {kExit, "Exit", {10680, 7920, 1125, 495}},
    {kNextPage, "Next Page", {6720, 7920, 2685, 495}},
    {kPreviousPage, "Previous Page", {1320, 7920, 2685, 495}},
};

const forms::FontSpec kButtonFont{QStringLiteral("Tahoma"), 15.75f, true};

} // namespace

void buildPageCounter(forms::Label& counter) {
    counter.setRect(4200, 7920, 2295, 495);
    counter.setBackColor(Qt::white);
    counter.setBackStyle(forms::BackStyle::Opaque);
    counter.setForeColor(Qt::black);
    counter.setFont(kButtonFont);
    counter.setAlignment(forms::Align::Center);
    counter.setBorder(true);
}

void buildPageButtons(forms::ControlArray<forms::Label>& buttons, QWidget* screen) {
    for (const Button& b : kButtons) {
        forms::Label& l = buttons.add(b.index, screen);
        l.setRect(b.place);
        l.setCaption(QString::fromUtf8(b.caption));
        l.setBackColor(Qt::black);
        l.setBackStyle(forms::BackStyle::Opaque);
        l.setForeColor(QColor(255, 255, 0));
        l.setFont(kButtonFont);
        l.setAlignment(forms::Align::Center);
        l.setBorder(true);
    }
    buttons[kPreviousPage].setEnabled(false);
}

} // namespace reading
