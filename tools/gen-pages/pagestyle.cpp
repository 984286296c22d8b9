#include "pagestyle.h"

namespace pw::gen {
namespace {

const QString kTahoma = QStringLiteral("Tahoma");
const QString kArial = QStringLiteral("Arial");
const QString kTimes = QStringLiteral("Times New Roman");

} // namespace

// The viewer shows the drawing at (120, 0) on a 12000 x 9000 twip screen, left of the
// "Print" label (x 10680) and above the bottom row of labels (y 7920).
PageStyle PageStyle::screen(int width) {
    PageStyle s;
    s.width = width;
    s.height = 7800;
    s.marginX = 180;
    s.marginTop = 60;
    s.gutter = 360;
    s.paragraphGap = 110;
    s.diagramScale = 100;
    s.title = {kTahoma, 460, true};
    s.subtitle = {kTahoma, 280, false};
    s.heading = {kTahoma, 290, true};
    s.body = {kTahoma, 230, false};
    s.small = {kTahoma, 200, false};
    s.titleColor = QColor(255, 255, 0);
    s.subtitleColor = QColor(128, 255, 255);
    s.headingColor = QColor(255, 255, 0);
    s.bodyColor = QColor(255, 255, 255);
    s.accent = QColor(255, 204, 0);
    s.sea = QColor(58, 92, 170);
    s.land = QColor(92, 158, 92);
    s.coast = QColor(235, 235, 235);
    s.border = QColor(200, 220, 200);
    s.hills = QColor(150, 110, 60);
    s.highlight = QColor(255, 60, 60);
    s.label = QColor(255, 255, 255);
    s.barFill = QColor(255, 204, 0);
    s.boxFill = QColor(20, 40, 100);
    s.boxText = QColor(255, 255, 255);
    return s;
}

// Drawn at (1000, 1000) twips on A4 or Letter: at most about 9800 x 13000 twips.
PageStyle PageStyle::printed() {
    PageStyle s;
    s.print = true;
    s.width = 9600;
    s.height = 12900;
    s.marginX = 120;
    s.marginTop = 60;
    s.gutter = 360;
    s.paragraphGap = 140;
    s.diagramScale = 125;
    s.title = {kArial, 560, true};
    s.subtitle = {kArial, 320, false};
    s.heading = {kArial, 330, true};
    s.body = {kTimes, 290, false};
    s.small = {kArial, 230, false};
    s.titleColor = QColor(0, 0, 128);
    s.subtitleColor = QColor(0, 90, 90);
    s.headingColor = QColor(0, 0, 128);
    s.bodyColor = QColor(0, 0, 0);
    s.accent = QColor(0, 0, 128);
    s.sea = QColor(220, 236, 250);
    s.land = QColor(206, 232, 196);
    s.coast = QColor(0, 0, 0);
    s.border = QColor(100, 100, 100);
    s.hills = QColor(130, 90, 40);
    s.highlight = QColor(200, 0, 0);
    s.label = QColor(0, 0, 0);
    s.barFill = QColor(90, 130, 200);
    s.boxFill = QColor(235, 240, 250);
    s.boxText = QColor(0, 0, 0);
    return s;
}

} // namespace pw::gen
