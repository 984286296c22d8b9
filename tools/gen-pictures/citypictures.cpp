#include "citypictures.h"

#include "scenery.h"

#include <QPainterPath>

using namespace scenery;

namespace citypictures {

namespace {

const QColor kRedBrick(176, 78, 52);
const QColor kDarkBrick(140, 62, 44);
const QColor kCanal(60, 120, 150);

} // namespace

void skyline(QPainter& p, QSizeF s) {
    const qreal w = s.width(), h = s.height();
    sky(p, QRectF(0, 0, w, h * 0.8), QColor(90, 160, 230), QColor(210, 235, 250));
    cloud(p, QPointF(w * 0.15, h * 0.12), w * 0.14);
    cloud(p, QPointF(w * 0.48, h * 0.08), w * 0.1);
    cloud(p, QPointF(w * 0.7, h * 0.2), w * 0.12);
    sun(p, QPointF(w * 0.9, h * 0.1), h * 0.06);
    // Old cotton mills to the left, the town hall in the middle, new towers to the right.
    mill(p, QRectF(0, h * 0.36, w * 0.22, h * 0.36), 6, 7, kRedBrick);
    chimney(p, QPointF(w * 0.25, h * 0.72), w * 0.035, h * 0.5, true);
    mill(p, QRectF(w * 0.27, h * 0.44, w * 0.14, h * 0.28), 5, 4, kDarkBrick);
    QRectF hall(w * 0.38, h * 0.5, w * 0.22, h * 0.22);
    p.setPen(QPen(QColor(40, 30, 30), 1.5));
    p.setBrush(QColor(196, 170, 130));
    p.drawRect(hall);
    p.setBrush(QColor(90, 80, 70));
    for (int i = 0; i < 6; ++i)
        p.drawRoundedRect(QRectF(hall.left() + hall.width() * (0.06 + i * 0.16),
                                 hall.top() + hall.height() * 0.25, hall.width() * 0.08,
                                 hall.height() * 0.4),
                          3, 3);
    clockTower(p, QPointF(w * 0.49, h * 0.5), w * 0.06, h * 0.46);
    glassTower(p, QRectF(w * 0.64, h * 0.3, w * 0.07, h * 0.42), QColor(100, 170, 210));
    glassTower(p, QRectF(w * 0.73, h * 0.06, w * 0.06, h * 0.66), QColor(80, 120, 170));
    p.fillRect(QRectF(w * 0.715, h * 0.3, w * 0.09, h * 0.015), QColor(60, 80, 110));
    glassTower(p, QRectF(w * 0.82, h * 0.4, w * 0.12, h * 0.32), QColor(140, 190, 200));
    glassTower(p, QRectF(w * 0.93, h * 0.5, w * 0.07, h * 0.22), QColor(110, 150, 190));
    // The street with the tram and its rails.
    p.fillRect(QRectF(0, h * 0.72, w, h * 0.04), QColor(190, 185, 175));
    p.fillRect(QRectF(0, h * 0.76, w, h * 0.24), QColor(110, 110, 115));
    p.setPen(QPen(QColor(210, 210, 215), 2));
    p.drawLine(QPointF(0, h * 0.93), QPointF(w, h * 0.93));
    p.drawLine(QPointF(0, h * 0.96), QPointF(w, h * 0.96));
    p.setPen(QPen(QColor(40, 40, 40), 1.2));
    p.drawLine(QPointF(0, h * 0.7), QPointF(w, h * 0.7));
    tram(p, QRectF(w * 0.2, h * 0.72, w * 0.5, h * 0.22));
    tree(p, QPointF(w * 0.08, h * 0.76), h * 0.16);
    tree(p, QPointF(w * 0.88, h * 0.76), h * 0.16);
}

void canalAndMills(QPainter& p, QSizeF s) {
    const qreal w = s.width(), h = s.height();
    sky(p, QRectF(0, 0, w, h * 0.5), QColor(110, 170, 235), QColor(215, 235, 250));
    cloud(p, QPointF(w * 0.5, h * 0.08), w * 0.2);
    // Mills on either bank, stepping back towards the bridge in the distance.
    mill(p, QRectF(0, h * 0.08, w * 0.3, h * 0.52), 7, 4, kRedBrick);
    chimney(p, QPointF(w * 0.36, h * 0.44), w * 0.05, h * 0.38, true);
    mill(p, QRectF(w * 0.3, h * 0.3, w * 0.12, h * 0.2), 4, 2, kDarkBrick);
    mill(p, QRectF(w * 0.58, h * 0.3, w * 0.12, h * 0.2), 4, 2, QColor(190, 120, 70));
    mill(p, QRectF(w * 0.7, h * 0.12, w * 0.3, h * 0.48), 7, 4, kDarkBrick);
    // The canal goes on beyond the bridge, seen through its arch.
    p.fillRect(QRectF(w * 0.3, h * 0.5, w * 0.4, h * 0.1), QColor(185, 175, 160));
    p.fillRect(QRectF(w * 0.43, h * 0.5, w * 0.14, h * 0.1), kCanal.lighter(110));
    archBridge(p, QRectF(w * 0.34, h * 0.42, w * 0.32, h * 0.14), kRedBrick);
    // The canal narrows towards the bridge; towpaths run along both sides.
    QPolygonF canal({QPointF(w * 0.44, h * 0.56), QPointF(w * 0.56, h * 0.56), QPointF(w * 0.92, h),
                     QPointF(w * 0.08, h)});
    QPolygonF leftPath({QPointF(0, h * 0.6), QPointF(w * 0.3, h * 0.6), QPointF(w * 0.44, h * 0.56),
                        QPointF(w * 0.08, h), QPointF(0, h)});
    QPolygonF rightPath({QPointF(w, h * 0.6), QPointF(w * 0.7, h * 0.6),
                         QPointF(w * 0.56, h * 0.56), QPointF(w * 0.92, h), QPointF(w, h)});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(185, 175, 160));
    p.drawPolygon(leftPath);
    p.drawPolygon(rightPath);
    p.save();
    QPainterPath clip;
    clip.addPolygon(canal);
    p.setClipPath(clip);
    water(p, QRectF(0, h * 0.56, w, h * 0.44), kCanal);
    p.restore();
    p.setPen(QPen(QColor(120, 110, 100), 3));
    p.drawLine(canal[0], canal[3]);
    p.drawLine(canal[1], canal[2]);
    narrowboat(p, QPointF(w * 0.2, h * 0.86), w * 0.6, QColor(170, 30, 40));
    tree(p, QPointF(w * 0.04, h * 0.66), h * 0.14);
}

void cityIcon(QPainter& p, QSizeF s) {
    const qreal w = s.width(), h = s.height();
    sky(p, QRectF(0, 0, w, h), QColor(100, 170, 235), QColor(200, 230, 250));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 80, 120));
    p.drawRect(QRectF(w * 0.62, h * 0.18, w * 0.12, h * 0.7));
    p.setBrush(QColor(90, 130, 180));
    p.drawRect(QRectF(w * 0.78, h * 0.38, w * 0.16, h * 0.5));
    p.setBrush(QColor(176, 78, 52));
    p.drawRect(QRectF(w * 0.04, h * 0.48, w * 0.24, h * 0.4));
    // A bold tower with a pointed spire reads as "town hall" even at this size.
    p.setBrush(QColor(196, 170, 130));
    p.drawRect(QRectF(w * 0.36, h * 0.34, w * 0.18, h * 0.54));
    p.setBrush(QColor(110, 120, 135));
    p.drawPolygon(QPolygonF(
        {QPointF(w * 0.34, h * 0.34), QPointF(w * 0.56, h * 0.34), QPointF(w * 0.45, h * 0.04)}));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(w * 0.45, h * 0.46), w * 0.055, w * 0.055);
    p.fillRect(QRectF(0, h * 0.88, w, h * 0.12), QColor(250, 200, 20));
}

void millIcon(QPainter& p, QSizeF s) {
    const qreal w = s.width(), h = s.height();
    sky(p, QRectF(0, 0, w, h), QColor(110, 170, 235), QColor(210, 235, 250));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 235, 240));
    p.drawEllipse(QPointF(w * 0.86, h * 0.12), w * 0.08, h * 0.1);
    p.drawEllipse(QPointF(w * 0.95, h * 0.05), w * 0.06, h * 0.08);
    p.setBrush(QColor(150, 60, 40));
    p.drawPolygon(QPolygonF({QPointF(w * 0.72, h * 0.88), QPointF(w * 0.86, h * 0.88),
                             QPointF(w * 0.83, h * 0.2), QPointF(w * 0.75, h * 0.2)}));
    p.setBrush(QColor(176, 78, 52));
    const QRectF body(w * 0.06, h * 0.34, w * 0.62, h * 0.54);
    p.drawRect(body);
    p.setBrush(QColor(250, 226, 140));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 5; ++col)
            p.drawRect(QRectF(body.left() + body.width() * (0.07 + col * 0.19),
                              body.top() + body.height() * (0.1 + row * 0.3), body.width() * 0.1,
                              body.height() * 0.18));
    p.fillRect(QRectF(0, h * 0.88, w, h * 0.12), QColor(90, 150, 70));
}

} // namespace citypictures
