#include "industrypictures.h"

#include "scenery.h"

#include <QPainterPath>
#include <QRadialGradient>

namespace industrypictures {

namespace {

const QColor kOutline(40, 30, 30);

void viaduct(QPainter& p, const QRectF& r, int arches) {
    QPainterPath shape;
    shape.addRect(r);
    const qreal span = r.width() / arches;
    for (int i = 0; i < arches; ++i) {
        QPainterPath arch;
        arch.addRoundedRect(QRectF(r.left() + i * span + span * 0.15, r.top() + r.height() * 0.28,
                                   span * 0.7, r.height() * 1.2),
                            span * 0.35, span * 0.35);
        shape = shape.subtracted(arch);
    }
    p.save();
    p.setClipPath(shape);
    scenery::bricks(p, r, QColor(170, 80, 55), qMax<qreal>(2.5, r.height() / 14));
    p.restore();
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
}

void carriage(QPainter& p, const QRectF& r, QColor colour) {
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(colour);
    p.drawRoundedRect(r, 3, 3);
    p.setBrush(QColor(240, 230, 190));
    for (int i = 0; i < 3; ++i)
        p.drawRect(QRectF(r.left() + r.width() * (0.1 + i * 0.3), r.top() + r.height() * 0.2,
                          r.width() * 0.2, r.height() * 0.35));
    p.setBrush(QColor(30, 30, 30));
    for (qreal x : {0.22, 0.78})
        p.drawEllipse(QPointF(r.left() + r.width() * x, r.bottom() + r.height() * 0.12),
                      r.height() * 0.2, r.height() * 0.2);
}

// An early steam engine: tall chimney, round boiler, open cab, big driving wheel.
void locomotive(QPainter& p, const QRectF& r) {
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(QColor(40, 110, 60));
    p.drawRoundedRect(QRectF(r.left() + r.width() * 0.25, r.top() + r.height() * 0.35,
                             r.width() * 0.75, r.height() * 0.4),
                      r.height() * 0.18, r.height() * 0.18);
    p.setBrush(QColor(150, 40, 35));
    p.drawRect(QRectF(r.left(), r.top() + r.height() * 0.15, r.width() * 0.3, r.height() * 0.6));
    p.setBrush(QColor(240, 230, 190));
    p.drawRect(QRectF(r.left() + r.width() * 0.06, r.top() + r.height() * 0.25, r.width() * 0.16,
                      r.height() * 0.2));
    p.setBrush(QColor(30, 30, 30));
    p.drawRect(QRectF(r.left() + r.width() * 0.82, r.top() - r.height() * 0.1, r.width() * 0.1,
                      r.height() * 0.45));
    p.setBrush(QColor(200, 160, 40));
    p.drawEllipse(QPointF(r.left() + r.width() * 0.58, r.top() + r.height() * 0.33),
                  r.height() * 0.1, r.height() * 0.08);
    p.setBrush(QColor(150, 40, 35));
    p.drawEllipse(QPointF(r.left() + r.width() * 0.3, r.bottom() - r.height() * 0.05),
                  r.height() * 0.3, r.height() * 0.3);
    p.drawEllipse(QPointF(r.left() + r.width() * 0.8, r.bottom() + r.height() * 0.02),
                  r.height() * 0.2, r.height() * 0.2);
}

void coin(QPainter& p, QPointF c, qreal rx, qreal ry) {
    p.setPen(QPen(QColor(150, 110, 20), 1.2));
    p.setBrush(QColor(220, 170, 40));
    p.drawEllipse(c + QPointF(0, ry * 0.35), rx, ry);
    p.setBrush(QColor(250, 210, 70));
    p.drawEllipse(c, rx, ry);
    p.setPen(QPen(QColor(190, 140, 30), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, rx * 0.72, ry * 0.72);
}

// A lock gate seen from the side: a braced timber gate between stone walls, and the long
// black-and-white balance beam that lock keepers push to open it.
void lockGate(QPainter& p, const QRectF& r) {
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(QColor(160, 155, 145));
    p.drawRect(QRectF(r.right(), r.top() - r.height() * 0.05, r.width() * 0.5, r.height() * 1.05));
    p.setBrush(QColor(95, 70, 45));
    p.drawRect(r);
    p.setPen(QPen(QColor(60, 45, 30), 1.5));
    for (int i = 1; i < 4; ++i) {
        const qreal y = r.top() + r.height() * i / 4;
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    }
    p.drawLine(r.bottomLeft(), r.topRight());
    p.setPen(QPen(kOutline, 1));
    p.setBrush(QColor(20, 20, 20));
    const QRectF beam(r.left() - r.width() * 2.2, r.top() - r.height() * 0.12, r.width() * 3.2,
                      r.height() * 0.1);
    p.drawRect(beam);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(beam.left(), beam.top(), beam.width() * 0.2, beam.height()));
}

} // namespace

void railways(QPainter& p, QSizeF s) {
    const qreal w = s.width(), h = s.height();
    scenery::sky(p, QRectF(0, 0, w, h), QColor(120, 180, 240), QColor(215, 235, 250));
    scenery::hills(p, QRectF(0, h * 0.4, w, h * 0.4), QColor(140, 190, 110), 0.4);
    scenery::grass(p, QRectF(0, h * 0.8, w, h * 0.2));
    scenery::water(p, QRectF(0, h * 0.88, w, h * 0.12), QColor(70, 130, 170));
    viaduct(p, QRectF(0, h * 0.48, w, h * 0.4), 6);
    p.setPen(QPen(QColor(60, 50, 40), 2));
    p.drawLine(QPointF(0, h * 0.475), QPointF(w, h * 0.475));
    const QRectF engine(w * 0.56, h * 0.2, w * 0.24, h * 0.22);
    carriage(p, QRectF(w * 0.05, h * 0.27, w * 0.2, h * 0.15), QColor(200, 170, 60));
    carriage(p, QRectF(w * 0.29, h * 0.27, w * 0.2, h * 0.15), QColor(60, 90, 160));
    p.setPen(QPen(kOutline, 2));
    p.drawLine(QPointF(w * 0.25, h * 0.39), QPointF(w * 0.29, h * 0.39));
    p.drawLine(QPointF(w * 0.49, h * 0.39), QPointF(w * 0.56, h * 0.39));
    locomotive(p, engine);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 240, 245, 220));
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(QPointF(engine.left() + engine.width() * (0.8 - i * 0.35),
                              engine.top() - h * (0.06 + i * 0.025)),
                      h * (0.05 + i * 0.012), h * (0.04 + i * 0.01));
    scenery::cloud(p, QPointF(w * 0.15, h * 0.1), w * 0.15);
}

void bank(QPainter& p, QSizeF s) {
    const qreal w = s.width(), h = s.height();
    scenery::sky(p, QRectF(0, 0, w, h), QColor(110, 170, 235), QColor(220, 238, 250));
    const QColor stone(225, 215, 190);
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(stone);
    // Pediment, frieze, columns and steps: the look of the banks of Victorian King Street.
    p.drawPolygon(QPolygonF(
        {QPointF(w * 0.06, h * 0.3), QPointF(w * 0.94, h * 0.3), QPointF(w * 0.5, h * 0.13)}));
    p.drawRect(QRectF(w * 0.06, h * 0.3, w * 0.88, h * 0.06));
    p.drawRect(QRectF(w * 0.1, h * 0.36, w * 0.8, h * 0.3));
    p.setBrush(QColor(90, 80, 70));
    p.drawRect(QRectF(w * 0.42, h * 0.47, w * 0.16, h * 0.19));
    p.setBrush(stone.lighter(105));
    for (int i = 0; i < 5; ++i) {
        const qreal x = w * (0.12 + i * 0.17);
        p.drawRect(QRectF(x, h * 0.37, w * 0.08, h * 0.29));
        p.drawRect(QRectF(x - w * 0.015, h * 0.36, w * 0.11, h * 0.015));
    }
    for (int i = 0; i < 3; ++i)
        p.drawRect(QRectF(w * (0.08 - i * 0.03), h * (0.66 + i * 0.025), w * (0.84 + i * 0.06),
                          h * 0.025));
    scenery::grass(p, QRectF(0, h * 0.735, w, h * 0.265));
    // A pile of gold coins in front says "money" to a child at a glance.
    for (int i = 0; i < 5; ++i)
        coin(p, QPointF(w * 0.27, h * (0.9 - i * 0.035)), w * 0.13, h * 0.035);
    for (int i = 0; i < 3; ++i)
        coin(p, QPointF(w * 0.68, h * (0.91 - i * 0.035)), w * 0.13, h * 0.035);
    coin(p, QPointF(w * 0.52, h * 0.95), w * 0.11, h * 0.03);
    p.setPen(QPen(QColor(150, 110, 20), 2));
    p.setBrush(QColor(250, 210, 70));
    p.drawEllipse(QPointF(w * 0.5, h * 0.23), w * 0.06, w * 0.06);
}

void canal(QPainter& p, QSizeF s) {
    const qreal w = s.width(), h = s.height();
    scenery::sky(p, QRectF(0, 0, w, h * 0.55), QColor(110, 170, 235), QColor(215, 235, 250));
    scenery::cloud(p, QPointF(w * 0.7, h * 0.12), w * 0.25);
    scenery::hills(p, QRectF(0, h * 0.25, w, h * 0.3), QColor(120, 180, 100), 1.7);
    scenery::mill(p, QRectF(w * 0.04, h * 0.2, w * 0.34, h * 0.3), 4, 4, QColor(176, 78, 52));
    scenery::chimney(p, QPointF(w * 0.44, h * 0.5), w * 0.06, h * 0.36, true);
    scenery::grass(p, QRectF(0, h * 0.5, w, h * 0.12));
    p.fillRect(QRectF(0, h * 0.58, w, h * 0.05), QColor(185, 175, 160));
    scenery::water(p, QRectF(0, h * 0.63, w, h * 0.37), QColor(60, 120, 150));
    lockGate(p, QRectF(w * 0.8, h * 0.54, w * 0.12, h * 0.36));
    scenery::narrowboat(p, QPointF(w * 0.08, h * 0.84), w * 0.68, QColor(30, 110, 60));
    scenery::tree(p, QPointF(w * 0.58, h * 0.55), h * 0.22);
}

void mill(QPainter& p, QSizeF s) {
    const qreal w = s.width(), h = s.height();
    scenery::sky(p, QRectF(0, 0, w, h), QColor(120, 170, 220), QColor(225, 230, 240));
    scenery::mill(p, QRectF(w * 0.04, h * 0.24, w * 0.62, h * 0.62), 5, 10, QColor(176, 78, 52));
    // The engine house with its tall arched window, where the steam engine drove the looms.
    QRectF engine(w * 0.66, h * 0.44, w * 0.12, h * 0.42);
    scenery::bricks(p, engine, QColor(150, 66, 46), 3);
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(QColor(250, 226, 140));
    p.drawRoundedRect(QRectF(engine.left() + engine.width() * 0.3,
                             engine.top() + engine.height() * 0.2, engine.width() * 0.4,
                             engine.height() * 0.6),
                      5, 5);
    p.setBrush(Qt::NoBrush);
    p.drawRect(engine);
    scenery::chimney(p, QPointF(w * 0.86, h * 0.86), w * 0.07, h * 0.78, true);
    scenery::grass(p, QRectF(0, h * 0.86, w, h * 0.14));
    // Bales of raw cotton waiting at the door.
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(QColor(120, 100, 80), 1));
        p.setBrush(QColor(245, 240, 225));
        p.drawRoundedRect(QRectF(w * (0.14 + i * 0.07), h * 0.8, w * 0.06, h * 0.1), 2, 2);
    }
}

} // namespace industrypictures
