#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>

/// Drawing pieces shared by the pictures: sky, water, brick, mills, boats, trams, trees.
/// Every size is in the painter's own units; nothing here is random, so pictures repeat exactly.
namespace scenery {

void sky(QPainter& p, const QRectF& r, QColor top, QColor bottom);
void sun(QPainter& p, QPointF centre, qreal radius);
void cloud(QPainter& p, QPointF centre, qreal width);
void hills(QPainter& p, const QRectF& r, QColor colour, qreal phase);
void water(QPainter& p, const QRectF& r, QColor colour);
void grass(QPainter& p, const QRectF& r);
void tree(QPainter& p, QPointF base, qreal height);

/// Brick courses drawn over a filled rectangle, `course` units apart.
void bricks(QPainter& p, const QRectF& r, QColor brick, qreal course);
/// A many-windowed brick mill; rows and columns of windows fill its face.
void mill(QPainter& p, const QRectF& r, int rows, int columns, QColor brick);
/// A tapering round chimney standing on `base`, with a few puffs of smoke.
void chimney(QPainter& p, QPointF base, qreal width, qreal height, bool smoke);
/// A painted narrowboat; `waterline` is the left end of the hull at the water.
void narrowboat(QPainter& p, QPointF waterline, qreal length, QColor cabin);
/// A Victorian gothic clock tower standing on `base`.
void clockTower(QPainter& p, QPointF base, qreal width, qreal height);
/// A glass tower block.
void glassTower(QPainter& p, const QRectF& r, QColor glass);
/// A yellow city tram of two cars standing on the rail at `r.bottom()`.
void tram(QPainter& p, const QRectF& r);
/// A brick arch bridge spanning r (deck at r.top(), water at r.bottom()).
void archBridge(QPainter& p, const QRectF& r, QColor brick);
/// A row of terraced houses with doors, windows and chimney pots.
void terrace(QPainter& p, const QRectF& r, int houses, QColor brick);

} // namespace scenery
