#include "mappicture.h"

#include <QFont>
#include <QFontDatabase>
#include <QPainter>
#include <QPainterPath>

namespace mappicture {

namespace {

constexpr qreal kTwipsPerPixel = 15.0;
const QColor kScreenBlue(0, 51, 154);
const QColor kYellow(255, 255, 0);

QRectF pixels(const QRectF& twips) {
    return {twips.left() / kTwipsPerPixel, twips.top() / kTwipsPerPixel,
            twips.width() / kTwipsPerPixel, twips.height() / kTwipsPerPixel};
}

QPainterPath outlinePath(const QPolygonF& outline) {
    QPainterPath path;
    path.addPolygon(outline);
    path.closeSubpath();
    return path;
}

// A small north arrow: children are taught to find north first.
void northArrow(QPainter& p, QPointF c, qreal size) {
    p.setPen(QPen(QColor(20, 20, 20), 1.2));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({c + QPointF(0, -size), c + QPointF(size * 0.4, size * 0.5), c,
                             c + QPointF(-size * 0.4, size * 0.5)}));
    p.setBrush(QColor(20, 20, 20));
    p.drawPolygon(QPolygonF({c + QPointF(0, -size), c, c + QPointF(-size * 0.4, size * 0.5)}));
    QFont font("DejaVu Sans");
    font.setPixelSize(qRound(size * 0.8));
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(c.x() - size, c.y() - size * 2.05, size * 2, size * 0.9), Qt::AlignCenter,
               QStringLiteral("N"));
}

void drawRegions(QPainter& p, const BoroughMap& map, const QString& kind) {
    for (const auto& r : map.regions()) {
        if (r.kind != kind)
            continue;
        p.setPen(Qt::NoPen);
        p.setBrush(r.fill);
        p.drawPath(outlinePath(r.outline));
    }
}

QPainterPath countyBorder(const BoroughMap& map) {
    QPainterPath whole;
    for (const auto& r : map.regions()) {
        if (r.kind == QLatin1String("borough"))
            whole = whole.united(outlinePath(r.outline));
    }
    return whole.simplified();
}

void drawLabel(QPainter& p, const QRectF& r, const QString& text, const QFont& font, QColor fg,
               Qt::Alignment align, int flags = 0) {
    p.setFont(font);
    p.setPen(fg);
    p.drawText(r, int(align | Qt::AlignVCenter) | flags, text);
}

} // namespace

QImage draw(const BoroughMap& map) {
    QImage image(map.imageSize(), QImage::Format_RGB32);
    image.fill(QColor(63, 93, 75));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawRegions(p, map, QStringLiteral("county"));
    // County borders are faint: they matter less than the boroughs.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(140, 165, 150), 1.2, Qt::DashLine));
    for (const auto& r : map.regions()) {
        if (r.kind == QLatin1String("county"))
            p.drawPath(outlinePath(r.outline));
    }
    drawRegions(p, map, QStringLiteral("borough"));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(60, 55, 60), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const auto& r : map.regions()) {
        if (r.kind == QLatin1String("borough"))
            p.drawPath(outlinePath(r.outline));
    }
    p.setPen(QPen(QColor(20, 20, 25), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(countyBorder(map));
    northArrow(p, QPointF(map.imageSize().width() * 0.92, map.imageSize().height() * 0.92),
               map.imageSize().height() * 0.035);
    return image;
}

namespace {

QFont tahomaBold(int pixels) {
    // The screens use Tahoma; Debian ships it with Wine, outside fontconfig's folders.
    static const bool loaded =
        QFontDatabase::addApplicationFont("/usr/share/wine/fonts/tahomabd.ttf") >= 0;
    QFont font(loaded ? QStringLiteral("Tahoma") : QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(true);
    return font;
}

} // namespace

QImage activityPreview(const BoroughMap& map, const QImage& picture) {
    QImage image(800, 600, QImage::Format_RGB32);
    image.fill(kScreenBlue);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(pixels(map.screenTwips()), picture);
    const QFont nameFont = tahomaBold(16);
    const QFont wordFont = tahomaBold(15);
    for (const auto& o : map.overlays()) {
        const QRectF r = pixels(o.twips);
        if (o.kind == QLatin1String("name")) {
            drawLabel(p, r, o.text, nameFont, o.textColour, Qt::AlignLeft);
            continue;
        }
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
        // The words wait in a column at the left, as the screen starts.
        const QRectF slot = pixels(o.start);
        p.fillRect(slot, Qt::black);
        drawLabel(p, slot, o.text, wordFont, kYellow, Qt::AlignHCenter);
    }
    QFont title("Liberation Serif");
    title.setPixelSize(37);
    drawLabel(p, pixels(QRectF(120, 120, 3360, 1545)), QStringLiteral("Manchester: The Facts"),
              title, kYellow, Qt::AlignHCenter, Qt::TextWordWrap);
    QFont instruction("Liberation Serif");
    instruction.setPixelSize(24);
    instruction.setBold(true);
    p.setFont(instruction);
    p.drawText(pixels(QRectF(120, 2280, 3105, 2025)), Qt::AlignHCenter | Qt::TextWordWrap,
               QStringLiteral("Complete the labelling of the boroughs of Greater Manchester."));
    return image;
}

QImage titlePreview(const QImage& picture) {
    QImage image(picture.width() + 40, picture.height() + 40, QImage::Format_RGB32);
    image.fill(QColor(39, 63, 137));
    QPainter p(&image);
    p.drawImage(20, 20, picture);
    return image;
}

} // namespace mappicture
