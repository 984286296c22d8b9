#pragma once

#include <QPointF>
#include <QString>
#include <initializer_list>
#include <vector>

// One screen of the program reached from the title screen by clicks at designed
// positions: twips from the top-left corner of the place every dressed screen takes
// (the title screen is centred on the same place).
struct ScreenVisit {
    const char* name;
    std::vector<QPointF> clicks;
    // The acknowledgments animate the logo: its timer is stopped as the page opens and
    // run once by hand, so that the same frame is drawn every time.
    bool freezeTimers = false;
};

// Every screen, each with the clicks that bring a fresh program to it.
const std::vector<ScreenVisit>& screenTour();
// The visits of those names, in that order.
std::vector<ScreenVisit> visitsNamed(std::initializer_list<const char*> names);
