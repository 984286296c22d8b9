#include "scenery.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QtMath>

namespace scenery {

namespace {

const QColor kOutline(40, 30, 30);
const QColor kWindow(250, 226, 140);
const QColor kSmoke(235, 235, 240, 200);

void roundedBlob(QPainter& p, QPointF c, qreal r, QColor colour) {
    p.setBrush(colour);
    p.drawEllipse(c, r, r);
}

} // namespace

void sky(QPainter& p, const QRectF& r, QColor top, QColor bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

void sun(QPainter& p, QPointF centre, qreal radius) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 236, 120, 90));
    p.drawEllipse(centre, radius * 1.5, radius * 1.5);
    p.setBrush(QColor(255, 214, 60));
    p.drawEllipse(centre, radius, radius);
}

void cloud(QPainter& p, QPointF c, qreal w) {
    p.setPen(Qt::NoPen);
    const QColor white(255, 255, 255, 235);
    roundedBlob(p, c + QPointF(-w * 0.28, w * 0.05), w * 0.2, white);
    roundedBlob(p, c + QPointF(0, -w * 0.06), w * 0.26, white);
    roundedBlob(p, c + QPointF(w * 0.28, w * 0.06), w * 0.18, white);
    p.drawRoundedRect(QRectF(c.x() - w * 0.45, c.y() + w * 0.02, w * 0.9, w * 0.2), w * 0.1,
                      w * 0.1);
}

void hills(QPainter& p, const QRectF& r, QColor colour, qreal phase) {
    QPainterPath path(r.bottomLeft());
    for (int i = 0; i <= 40; ++i) {
        const qreal x = r.left() + r.width() * i / 40.0;
        const qreal t = i / 40.0 * 2 * M_PI;
        const qreal y = r.top() + r.height() * (0.45 + 0.3 * qSin(t * 1.3 + phase) +
                                                0.15 * qSin(t * 3.1 + phase * 2));
        path.lineTo(x, y);
    }
    path.lineTo(r.bottomRight());
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
}

void water(QPainter& p, const QRectF& r, QColor colour) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, colour.lighter(115));
    g.setColorAt(1, colour.darker(115));
    p.fillRect(r, g);
    p.setPen(QPen(QColor(255, 255, 255, 120), qMax<qreal>(1.0, r.height() / 60)));
    const int rows = 6;
    for (int row = 0; row < rows; ++row) {
        const qreal y = r.top() + r.height() * (row + 0.6) / rows;
        const qreal seg = r.width() / 7.0;
        for (int k = 0; k < 7; ++k) {
            const qreal x = r.left() + seg * k + (row % 2) * seg * 0.5;
            p.drawLine(QPointF(x + seg * 0.1, y), QPointF(x + seg * 0.45, y));
        }
    }
}

void grass(QPainter& p, const QRectF& r) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(120, 190, 90));
    g.setColorAt(1, QColor(80, 150, 60));
    p.fillRect(r, g);
}

void tree(QPainter& p, QPointF base, qreal h) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 75, 45));
    p.drawRect(QRectF(base.x() - h * 0.06, base.y() - h * 0.4, h * 0.12, h * 0.4));
    const QColor leaf(60, 140, 60);
    roundedBlob(p, base + QPointF(0, -h * 0.62), h * 0.3, leaf);
    roundedBlob(p, base + QPointF(-h * 0.18, -h * 0.5), h * 0.22, leaf.darker(110));
    roundedBlob(p, base + QPointF(h * 0.18, -h * 0.52), h * 0.22, leaf.lighter(110));
}

void bricks(QPainter& p, const QRectF& r, QColor brick, qreal course) {
    p.save();
    // Intersect, so that a caller's clip (a bridge's arch cut out) still holds.
    p.setClipRect(r, Qt::IntersectClip);
    p.fillRect(r, brick);
    p.setPen(QPen(brick.darker(130), qMax<qreal>(0.6, course / 6)));
    int row = 0;
    for (qreal y = r.top() + course; y < r.bottom(); y += course, ++row) {
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
        const qreal brickLength = course * 2.4;
        const qreal offset = (row % 2) * brickLength / 2;
        for (qreal x = r.left() + offset; x < r.right(); x += brickLength)
            p.drawLine(QPointF(x, y - course), QPointF(x, y));
    }
    p.restore();
}

void mill(QPainter& p, const QRectF& r, int rows, int columns, QColor brick) {
    bricks(p, r, brick, qMax<qreal>(2.0, r.height() / (rows * 5.0)));
    p.setPen(QPen(kOutline, qMax<qreal>(1.0, r.width() / 150)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
    const qreal cellW = r.width() / columns;
    const qreal cellH = (r.height() * 0.92) / rows;
    p.setPen(Qt::NoPen);
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < columns; ++col) {
            const QRectF w(r.left() + col * cellW + cellW * 0.22,
                           r.top() + r.height() * 0.06 + row * cellH + cellH * 0.18, cellW * 0.56,
                           cellH * 0.6);
            p.setBrush(((row * 7 + col * 3) % 5 == 0) ? kWindow : QColor(70, 90, 120));
            p.drawRect(w);
        }
    }
    // A stone band under the roof line, as the big spinning mills had.
    p.setBrush(QColor(220, 205, 175));
    p.drawRect(QRectF(r.left(), r.top(), r.width(), r.height() * 0.035));
}

void chimney(QPainter& p, QPointF base, qreal w, qreal h, bool smoke) {
    QPolygonF shape;
    shape << QPointF(base.x() - w / 2, base.y()) << QPointF(base.x() + w / 2, base.y())
          << QPointF(base.x() + w * 0.32, base.y() - h)
          << QPointF(base.x() - w * 0.32, base.y() - h);
    p.setPen(QPen(kOutline, qMax<qreal>(0.8, w / 14)));
    p.setBrush(QColor(150, 70, 50));
    p.drawPolygon(shape);
    p.setBrush(QColor(110, 50, 40));
    p.drawRect(QRectF(base.x() - w * 0.42, base.y() - h - w * 0.25, w * 0.84, w * 0.3));
    if (!smoke)
        return;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        const qreal r = w * (0.35 + i * 0.18);
        roundedBlob(p, QPointF(base.x() + w * (0.3 + i * 0.7), base.y() - h - w * (0.6 + i * 0.7)),
                    r, kSmoke);
    }
}

void narrowboat(QPainter& p, QPointF wl, qreal len, QColor cabin) {
    const qreal h = len * 0.12;
    QPainterPath hull(QPointF(wl.x(), wl.y() - h * 0.55));
    hull.lineTo(wl.x() + len * 0.9, wl.y() - h * 0.55);
    hull.quadTo(wl.x() + len, wl.y() - h * 0.6, wl.x() + len * 1.02, wl.y() - h * 0.75);
    hull.lineTo(wl.x() + len * 0.93, wl.y() + h * 0.1);
    hull.lineTo(wl.x() + len * 0.04, wl.y() + h * 0.1);
    hull.closeSubpath();
    p.setPen(QPen(kOutline, qMax<qreal>(0.8, len / 200)));
    p.setBrush(QColor(35, 45, 60));
    p.drawPath(hull);
    const QRectF body(wl.x() + len * 0.08, wl.y() - h * 1.45, len * 0.74, h * 0.92);
    p.setBrush(cabin);
    p.drawRect(body);
    p.setBrush(QColor(250, 205, 60));
    p.drawRect(QRectF(body.left(), body.top() - h * 0.12, body.width(), h * 0.14));
    p.setPen(Qt::NoPen);
    const int windows = 6;
    for (int i = 0; i < windows; ++i) {
        const qreal x = body.left() + body.width() * (0.08 + i * 0.15);
        p.setBrush(QColor(250, 240, 200));
        p.drawEllipse(QRectF(x, body.top() + h * 0.22, h * 0.38, h * 0.38));
    }
    // Painted diamond and flower pots, the traditional canal decoration.
    p.setBrush(QColor(250, 205, 60));
    const QPointF d(body.right() - body.width() * 0.05, body.center().y());
    p.drawPolygon(QPolygonF({d + QPointF(-h * 0.25, 0), d + QPointF(0, -h * 0.3),
                             d + QPointF(h * 0.25, 0), d + QPointF(0, h * 0.3)}));
    for (int i = 0; i < 3; ++i) {
        const qreal x = body.left() + body.width() * (0.3 + i * 0.2);
        p.setBrush(QColor(200, 80, 40));
        p.drawRect(QRectF(x, body.top() - h * 0.42, h * 0.3, h * 0.3));
        p.setBrush(i == 1 ? QColor(240, 70, 110) : QColor(250, 120, 40));
        p.drawEllipse(QPointF(x + h * 0.15, body.top() - h * 0.5), h * 0.2, h * 0.16);
    }
    p.setPen(QPen(kOutline, qMax<qreal>(1.0, len / 120)));
    p.drawLine(QPointF(wl.x() + len * 0.04, wl.y() - h * 0.6),
               QPointF(wl.x() - len * 0.04, wl.y() - h * 1.3));
}

void clockTower(QPainter& p, QPointF base, qreal w, qreal h) {
    const QColor stone(196, 170, 130);
    p.setPen(QPen(kOutline, qMax<qreal>(0.8, w / 30)));
    p.setBrush(stone);
    const QRectF shaft(base.x() - w / 2, base.y() - h * 0.72, w, h * 0.72);
    p.drawRect(shaft);
    const QRectF belfry(base.x() - w * 0.42, shaft.top() - h * 0.08, w * 0.84, h * 0.08);
    p.drawRect(belfry);
    QPolygonF spire({QPointF(belfry.left(), belfry.top()), QPointF(belfry.right(), belfry.top()),
                     QPointF(base.x(), base.y() - h)});
    p.setBrush(QColor(120, 130, 140));
    p.drawPolygon(spire);
    for (int side : {-1, 1}) {
        const qreal x = base.x() + side * w * 0.5;
        p.setBrush(stone);
        p.drawPolygon(
            QPolygonF({QPointF(x - w * 0.08, belfry.top()), QPointF(x + w * 0.08, belfry.top()),
                       QPointF(x, belfry.top() - h * 0.09)}));
    }
    const QPointF clock(base.x(), shaft.top() + w * 0.6);
    p.setBrush(QColor(250, 248, 235));
    p.drawEllipse(clock, w * 0.3, w * 0.3);
    p.drawLine(clock, clock + QPointF(0, -w * 0.22));
    p.drawLine(clock, clock + QPointF(w * 0.16, w * 0.05));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 80, 70));
    for (int i = 0; i < 3; ++i) {
        const qreal y = shaft.top() + shaft.height() * (0.35 + i * 0.2);
        p.drawRoundedRect(QRectF(base.x() - w * 0.12, y, w * 0.24, shaft.height() * 0.12), w * 0.1,
                          w * 0.1);
    }
}

void glassTower(QPainter& p, const QRectF& r, QColor glass) {
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, glass.lighter(130));
    g.setColorAt(0.5, glass);
    g.setColorAt(1, glass.darker(125));
    p.setPen(QPen(QColor(40, 60, 80), qMax<qreal>(0.8, r.width() / 40)));
    p.setBrush(g);
    p.drawRect(r);
    p.setPen(QPen(QColor(255, 255, 255, 90), qMax<qreal>(0.5, r.width() / 60)));
    const qreal floor = qMax<qreal>(3.0, r.width() / 6);
    for (qreal y = r.top() + floor; y < r.bottom(); y += floor)
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
}

void tram(QPainter& p, const QRectF& r) {
    const QColor yellow(250, 200, 20);
    const qreal car = r.width() / 2;
    p.setPen(QPen(kOutline, qMax<qreal>(1.0, r.height() / 30)));
    for (int i = 0; i < 2; ++i) {
        const QRectF body(r.left() + i * car + (i ? 1 : 0), r.top() + r.height() * 0.15, car - 1,
                          r.height() * 0.75);
        p.setBrush(yellow);
        p.drawRoundedRect(body, r.height() * 0.12, r.height() * 0.12);
        p.setBrush(QColor(200, 205, 210));
        p.drawRect(QRectF(body.left(), body.bottom() - body.height() * 0.25, body.width(),
                          body.height() * 0.18));
        p.setBrush(QColor(60, 80, 110));
        for (int w = 0; w < 4; ++w) {
            p.drawRect(QRectF(body.left() + body.width() * (0.06 + w * 0.235),
                              body.top() + body.height() * 0.15, body.width() * 0.18,
                              body.height() * 0.35));
        }
    }
    p.setPen(QPen(kOutline, qMax<qreal>(1.0, r.height() / 25)));
    const QPointF pan(r.center().x(), r.top() + r.height() * 0.15);
    p.drawLine(pan, pan + QPointF(-r.height() * 0.3, -r.height() * 0.25));
    p.drawLine(pan + QPointF(-r.height() * 0.3, -r.height() * 0.25),
               pan + QPointF(0, -r.height() * 0.4));
    p.setBrush(QColor(40, 40, 40));
    for (int i = 0; i < 4; ++i) {
        const qreal x = r.left() + r.width() * (0.12 + i * 0.25);
        p.drawEllipse(QPointF(x, r.bottom() - r.height() * 0.08), r.height() * 0.08,
                      r.height() * 0.08);
    }
}

void archBridge(QPainter& p, const QRectF& r, QColor brick) {
    QPainterPath shape;
    shape.addRect(r);
    QPainterPath arch;
    const qreal span = r.width() * 0.56;
    arch.addEllipse(
        QRectF(r.center().x() - span / 2, r.top() + r.height() * 0.3, span, r.height() * 1.4));
    shape = shape.subtracted(arch);
    p.save();
    p.setClipPath(shape);
    bricks(p, r, brick, qMax<qreal>(2.0, r.height() / 10));
    p.restore();
    p.setPen(QPen(kOutline, qMax<qreal>(1.0, r.height() / 40)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
    p.fillRect(QRectF(r.left() - 2, r.top() - r.height() * 0.08, r.width() + 4, r.height() * 0.1),
               brick.lighter(125));
}

void terrace(QPainter& p, const QRectF& r, int houses, QColor brick) {
    bricks(p, r, brick, qMax<qreal>(2.0, r.height() / 14));
    const qreal w = r.width() / houses;
    p.setPen(QPen(kOutline, qMax<qreal>(0.8, r.height() / 60)));
    p.setBrush(QColor(90, 90, 110));
    p.drawPolygon(QPolygonF({QPointF(r.left(), r.top()), QPointF(r.right(), r.top()),
                             QPointF(r.right() - w * 0.3, r.top() - r.height() * 0.3),
                             QPointF(r.left() + w * 0.3, r.top() - r.height() * 0.3)}));
    static const QColor doors[] = {QColor(30, 90, 160), QColor(180, 40, 40), QColor(40, 130, 70),
                                   QColor(240, 190, 40)};
    for (int i = 0; i < houses; ++i) {
        const qreal x = r.left() + i * w;
        p.setBrush(doors[i % 4]);
        p.drawRect(
            QRectF(x + w * 0.12, r.bottom() - r.height() * 0.45, w * 0.22, r.height() * 0.45));
        p.setBrush(QColor(230, 240, 250));
        p.drawRect(
            QRectF(x + w * 0.48, r.bottom() - r.height() * 0.42, w * 0.38, r.height() * 0.25));
        p.drawRect(QRectF(x + w * 0.3, r.top() + r.height() * 0.12, w * 0.4, r.height() * 0.25));
        p.setBrush(brick.darker(115));
        p.drawRect(QRectF(x + w * 0.8, r.top() - r.height() * 0.42, w * 0.14, r.height() * 0.2));
    }
}

} // namespace scenery
