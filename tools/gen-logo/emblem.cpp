#include "emblem.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace emblem {

namespace {

const QColor kInk(25, 35, 80);
const QColor kPage(252, 248, 232);
const QColor kCover(150, 35, 45);

// An open book seen from the front: two curved pages on a red cover; `r` holds the whole book.
void book(QPainter& p, const QRectF& r, bool lines) {
    const qreal lw = qMax<qreal>(1.0, r.width() / 60);
    p.setPen(QPen(kInk, lw));
    p.setBrush(kCover);
    p.drawRoundedRect(r.adjusted(0, r.height() * 0.1, 0, 0), lw * 2, lw * 2);
    const QPointF spineTop(r.center().x(), r.top() + r.height() * 0.12);
    const QPointF spineBottom(r.center().x(), r.bottom() - r.height() * 0.08);
    for (int side : {-1, 1}) {
        const qreal edge = r.center().x() + side * r.width() * 0.46;
        QPainterPath page(spineBottom);
        page.lineTo(spineTop);
        page.quadTo(QPointF(r.center().x() + side * r.width() * 0.22, r.top() - r.height() * 0.05),
                    QPointF(edge, r.top() + r.height() * 0.05));
        page.lineTo(edge, r.bottom() - r.height() * 0.16);
        page.quadTo(
            QPointF(r.center().x() + side * r.width() * 0.22, r.bottom() - r.height() * 0.24),
            spineBottom);
        p.setBrush(kPage);
        p.drawPath(page);
    }
    if (!lines)
        return;
    p.setPen(QPen(QColor(150, 150, 165), lw * 0.8));
    for (int i = 0; i < 4; ++i) {
        const qreal y = r.top() + r.height() * (0.28 + i * 0.14);
        p.drawLine(QPointF(r.left() + r.width() * 0.1, y),
                   QPointF(r.center().x() - r.width() * 0.07, y));
    }
}

// A feather quill whose nib is at `nib`, leaning back by `angle` degrees from upright.
void quill(QPainter& p, QPointF nib, qreal length, qreal angle) {
    p.save();
    p.translate(nib);
    p.rotate(angle);
    const qreal w = length * 0.18;
    QPainterPath vane(QPointF(0, -length * 0.22));
    vane.cubicTo(QPointF(-w * 1.3, -length * 0.5), QPointF(-w * 0.9, -length * 0.9),
                 QPointF(w * 0.25, -length));
    vane.cubicTo(QPointF(w * 0.6, -length * 0.8), QPointF(w * 0.9, -length * 0.45),
                 QPointF(0, -length * 0.22));
    const qreal lw = qMax<qreal>(0.8, length / 70);
    p.setPen(QPen(kInk, lw));
    p.setBrush(QColor(255, 255, 255));
    p.drawPath(vane);
    p.setPen(QPen(QColor(170, 180, 200), lw * 0.8));
    for (int i = 1; i < 6; ++i) {
        const qreal y = -length * (0.3 + i * 0.11);
        p.drawLine(QPointF(0, y), QPointF(-w * 0.7, y + length * 0.07));
        p.drawLine(QPointF(0, y), QPointF(w * 0.55, y + length * 0.07));
    }
    p.setPen(QPen(kInk, lw * 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, 0), QPointF(w * 0.12, -length * 0.95));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawPolygon(QPolygonF(
        {QPointF(0, 0), QPointF(-lw * 1.6, -length * 0.14), QPointF(lw * 1.6, -length * 0.14)}));
    p.restore();
}

QPointF figureOfEight(qreal t, QPointF centre, QSizeF half) {
    return centre + QPointF(half.width() * qSin(2 * M_PI * t), half.height() * qSin(4 * M_PI * t));
}

} // namespace

QImage logo(QSize size) {
    QImage image(size, QImage::Format_RGB888);
    image.fill(kPage);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    p.setPen(QPen(kInk, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, w - 2, h - 2));
    book(p, QRectF(w * 0.3, h * 0.2, w * 0.4, h * 0.3), true);
    quill(p, QPointF(w * 0.6, h * 0.36), h * 0.38, 28);
    QFont name("Liberation Serif");
    name.setBold(true);
    name.setPixelSize(qRound(h * 0.2));
    p.setFont(name);
    p.setPen(kInk);
    p.drawText(QRectF(0, h * 0.52, w, h * 0.24), Qt::AlignCenter, QStringLiteral("Quillon"));
    QFont trade("Liberation Sans");
    trade.setPixelSize(qRound(h * 0.13));
    trade.setLetterSpacing(QFont::AbsoluteSpacing, 0.6);
    p.setFont(trade);
    p.setPen(kCover);
    p.drawText(QRectF(0, h * 0.75, w, h * 0.17), Qt::AlignCenter, QStringLiteral("PUBLISHING"));
    return image;
}

QImage frame(int index, int frames, QSize size, QColor background) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    book(p, QRectF(w * 0.1, h * 0.52, w * 0.8, h * 0.4), true);
    const QPointF centre(w * 0.66, h * 0.69);
    const QSizeF half(w * 0.1, h * 0.06);
    const qreal t = qreal(index) / frames;
    // The ink behind the nib, most recent strokes darkest, drawn in short pieces.
    const int pieces = 24;
    for (int k = 0; k < pieces; ++k) {
        const qreal t0 = t - 0.6 * (k + 1) / pieces;
        const qreal t1 = t - 0.6 * k / pieces;
        QColor ink = kInk;
        ink.setAlpha(255 - k * 255 / pieces);
        p.setPen(QPen(ink, w / 60, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(figureOfEight(t0, centre, half), figureOfEight(t1, centre, half));
    }
    const QPointF nib = figureOfEight(t, centre, half);
    quill(p, nib, h * 0.46, 14 + 8 * qSin(2 * M_PI * t));
    return image;
}

QImage icon(int size, QColor background) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    const qreal margin = s / 16;
    const qreal lw = qMax<qreal>(1.0, s / 48);
    p.setPen(QPen(kInk, lw));
    p.setBrush(background);
    const QRectF tile(margin, margin, s - 2 * margin, s - 2 * margin);
    p.drawRoundedRect(tile.adjusted(lw / 2, lw / 2, -lw / 2, -lw / 2), s / 8, s / 8);
    // Ruled lines only where there are pixels enough to tell them apart.
    book(p, QRectF(s * 0.14, s * 0.48, s * 0.72, s * 0.36), size >= 48);
    quill(p, QPointF(s * 0.6, s * 0.62), s * 0.5, 24);
    return image;
}

} // namespace emblem
