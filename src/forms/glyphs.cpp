#include "forms/glyphs.h"

#include <QCache>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>
#include <cmath>
#include <cstring>
#include <optional>
#include <utility>
#include <vector>

namespace forms::glyphs {

namespace {

// Positions are kept to the half device pixel: at the sizes drawn here that is well under
// a hundredth of a letter.
constexpr int kPhases = 2;

// A position in device pixels as a whole pixel and the phase from it.
std::pair<int, int> split(qreal at) {
    const int whole = int(std::floor(at));
    const int phase = int(std::lround((at - whole) * kPhases));
    return phase == kPhases ? std::pair{whole + 1, 0} : std::pair{whole, phase};
}

// One glyph filled in its colour, trimmed to its ink, and where its top-left corner lies
// from the glyph's origin on the baseline, in device pixels.
struct Glyph {
    QImage image;
    QPoint offset;
};

// A glyph of one face, in one colour, at one device pixel ratio and phase.
struct GlyphKey {
    QString face; // the face and everything drawn the same for all its glyphs
    quint32 index;
    QPoint phase;

    bool operator==(const GlyphKey&) const = default;
};

size_t qHash(const GlyphKey& key, size_t seed = 0) {
    return qHashMulti(seed, key.face, key.index, key.phase.x(), key.phase.y());
}

QCache<GlyphKey, Glyph>& kept() {
    // The cost of an entry is its size in kilobytes: some thousands of letters.
    static QCache<GlyphKey, Glyph> cache(32 * 1024);
    return cache;
}

QString faceOf(const QRawFont& font, QFont::HintingPreference hinting, int stretch, QRgb pen,
               qreal dpr) {
    return QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8|%9")
        .arg(font.familyName(), font.styleName())
        .arg(font.pixelSize())
        .arg(int(font.weight()))
        .arg(int(font.style()))
        .arg(int(hinting))
        .arg(stretch)
        .arg(pen)
        .arg(dpr);
}

// A caption laid out: its glyphs, each placed from the rectangle's top-left corner, and
// the box its lines take.
struct Placed {
    QRawFont font;
    quint32 index;
    QPointF at;
};

struct Laid {
    QList<Placed> glyphs;
    QRectF lines;
};

// Laid out as QPainter lays out text in a rectangle: lines as wide as the rectangle when
// wrapped, each on a whole pixel after the font's leading, each aligned on its own
// within the rectangle's width.
Laid layOut(const QString& text, const QFont& font, QSizeF size, int flags, QPaintDevice* device) {
    QString laid = text;
    laid.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(laid, font, device);
    QTextOption option;
    if (!(flags & Qt::TextWordWrap)) {
        option.setFlags(QTextOption::IncludeTrailingSpaces);
    }
    layout.setTextOption(option);
    const qreal leading = QFontMetricsF(font, device).leading();
    qreal height = -leading;
    qreal width = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth((flags & Qt::TextWordWrap) ? std::max<qreal>(0, size.width())
                                                     : 0x01000000);
        height = std::ceil(height + leading);
        line.setPosition(QPointF(0, height));
        height += line.ascent() + line.descent();
        width = std::max(width, line.naturalTextWidth());
    }
    layout.endLayout();

    const auto offset = [&](qreal used) {
        return (flags & Qt::AlignRight)     ? size.width() - used
               : (flags & Qt::AlignHCenter) ? (size.width() - used) / 2
                                            : 0;
    };
    Laid result{{}, QRectF(offset(width), 0, width, height)};
    for (int l = 0; l < layout.lineCount(); ++l) {
        const QTextLine line = layout.lineAt(l);
        const QPointF shift(offset(line.horizontalAdvance()), 0);
        for (const QGlyphRun& run : line.glyphRuns()) {
            const QList<quint32> indexes = run.glyphIndexes();
            const QList<QPointF> positions = run.positions();
            for (qsizetype i = 0; i < indexes.size(); ++i) {
                result.glyphs.push_back({run.rawFont(), indexes[i], shift + positions[i]});
            }
        }
    }
    return result;
}

// The captions drawn lately, laid out: a screen's captions are drawn again at every
// repaint.
QCache<QString, Laid>& layouts() {
    static QCache<QString, Laid> cache(512);
    return cache;
}

// The glyph filled as Qt fills it on a device of ratio dpr, its origin phase / kPhases of
// a device pixel right of and below a whole pixel, in an image with room on every side of
// the glyph's box (an empty image where the glyph inks nothing); nothing where the room
// ran out.
std::optional<Glyph> fill(const QRawFont& font, quint32 index, QPoint phase, const QColor& pen,
                          qreal dpr, qreal room) {
    const QRectF area = font.boundingRect(index).adjusted(-room, -room, room, room);
    const QPoint origin(int(std::ceil(-area.left() * dpr)), int(std::ceil(-area.top() * dpr)));
    const QSize size(int(std::ceil(area.width() * dpr)) + 1,
                     int(std::ceil(area.height() * dpr)) + 1);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        return Glyph{};
    }
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setPen(pen);
        p.scale(dpr, dpr);
        QGlyphRun run;
        run.setRawFont(font);
        run.setGlyphIndexes({index});
        run.setPositions({(QPointF(origin) + QPointF(phase) / kPhases) / dpr});
        p.drawGlyphRun(QPointF(0, 0), run);
    }
    // Trimmed to the pixels inked.
    QRect ink;
    for (int y = 0; y < size.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            if (qAlpha(line[x]) != 0) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    if (ink.isEmpty()) {
        return Glyph{}; // a space
    }
    if (ink.left() == 0 || ink.top() == 0 || ink.right() == size.width() - 1 ||
        ink.bottom() == size.height() - 1) {
        return std::nullopt;
    }
    QImage trimmed = image.copy(ink);
    trimmed.setDevicePixelRatio(dpr);
    return Glyph{trimmed, ink.topLeft() - origin};
}

// The glyph filled with room enough for all its ink: a glyph's box from the font is not
// always where it inks.
Glyph fill(const QRawFont& font, quint32 index, QPoint phase, const QColor& pen, qreal dpr) {
    for (qreal room = font.pixelSize() / 8.0; room < font.pixelSize() * 4; room *= 2) {
        if (std::optional<Glyph> glyph = fill(font, index, phase, pen, dpr, room)) {
            return *glyph;
        }
    }
    return {};
}

// The same glyph from the font's own rasteriser, for an unhinted face. QPainter fills a
// glyph this large from its outline, which it loads at the face's design size with the
// hinting program run: several times the cost of rasterising the glyph, for no change
// that shows. Here the glyph is rasterised at twice the device resolution (doubled is the
// face at twice the font's size in device pixels) and each device pixel takes the mean of
// its four: a rasteriser's coverage is the area inked, so the mean is the pixel's own
// coverage, and a half-pixel phase is a whole pixel there. Nothing where the rasteriser's
// image does not match the glyph's box (a colour or bitmap glyph, say).
std::optional<Glyph> rasterised(const QRawFont& doubled, quint32 index, QPoint phase,
                                const QColor& pen, qreal dpr) {
    const QImage alpha = doubled.alphaMapForGlyph(index, QRawFont::PixelAntialiasing);
    const QRectF box = doubled.boundingRect(index);
    if (alpha.isNull()) {
        return box.isEmpty() ? std::optional(Glyph{}) : std::nullopt;
    }
    if (alpha.format() != QImage::Format_Alpha8 || alpha.width() != int(box.width()) ||
        alpha.height() != int(box.height())) {
        return std::nullopt;
    }
    // Where the doubled image starts from the origin's whole pixel, in half pixels.
    const int fromX = phase.x() * (2 / kPhases) + int(box.x());
    const int fromY = phase.y() * (2 / kPhases) + int(box.y());
    const QPoint offset(int(std::floor(fromX / 2.0)), int(std::floor(fromY / 2.0)));
    const int startX = fromX - 2 * offset.x(), startY = fromY - 2 * offset.y();
    const int width = (startX + alpha.width() + 1) / 2, height = (startY + alpha.height() + 1) / 2;

    // Padded to whole pixels, so that every device pixel sums four.
    const int pitch = 2 * width;
    std::vector<uchar> padded(size_t(pitch) * 2 * height, 0);
    for (int y = 0; y < alpha.height(); ++y) {
        std::memcpy(&padded[size_t(startY + y) * pitch + startX], alpha.constScanLine(y),
                    size_t(alpha.width()));
    }
    const QRgb colour = qPremultiply(pen.rgba());
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        return Glyph{};
    }
    for (int y = 0; y < height; ++y) {
        const uchar* upper = &padded[size_t(2 * y) * pitch];
        const uchar* lower = upper + pitch;
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int coverage =
                (upper[2 * x] + upper[2 * x + 1] + lower[2 * x] + lower[2 * x + 1] + 2) / 4;
            const auto scaled = [coverage](int channel) {
                return (channel * coverage + 127) / 255;
            };
            line[x] = qRgba(scaled(qRed(colour)), scaled(qGreen(colour)), scaled(qBlue(colour)),
                            scaled(qAlpha(colour)));
        }
    }
    image.setDevicePixelRatio(dpr);
    return Glyph{image, offset};
}

} // namespace

bool large(const QFont& font, qreal dpr) {
    return QFontInfo(font).pixelSize() * dpr > 64;
}

bool draw(QPainter& p, const QRectF& r, int flags, const QString& text, const QFont& font,
          const QColor& pen) {
    // Pixels only: a printer or a PDF keeps its text as text.
    if (!p.paintEngine() || p.paintEngine()->type() != QPaintEngine::Raster) {
        return false;
    }
    const QTransform t = p.deviceTransform();
    if (t.type() > QTransform::TxScale || t.m11() <= 0 || !qFuzzyCompare(t.m11(), t.m22()) ||
        (flags & Qt::AlignBaseline)) {
        return false;
    }
    // A mnemonic's ampersand is not drawn; such captions are left to QPainter.
    if ((flags & (Qt::TextShowMnemonic | Qt::TextHideMnemonic)) &&
        text.contains(QLatin1Char('&'))) {
        return false;
    }
    const qreal dpr = t.m11();

    const QString layoutKey = QStringLiteral("%1|%2|%3x%4|%5|%6")
                                  .arg(text, font.toString())
                                  .arg(r.width())
                                  .arg(r.height())
                                  .arg(flags)
                                  .arg(p.device()->logicalDpiY());
    const Laid* laid = layouts().object(layoutKey);
    if (!laid) {
        layouts().insert(layoutKey, new Laid(layOut(text, font, r.size(), flags, p.device())));
        laid = layouts().object(layoutKey);
    }

    // The lines' box within the rectangle, placed as QPainter places it.
    const qreal height = laid->lines.height();
    const QPointF origin =
        r.topLeft() + QPointF(0, (flags & Qt::AlignBottom)    ? r.height() - height
                                 : (flags & Qt::AlignVCenter) ? (r.height() - height) / 2
                                                              : 0);
    p.save();
    // Clipped to the rectangle only where the lines overflow it, as QPainter does.
    if (!(flags & Qt::TextDontClip) && !r.contains(laid->lines.translated(origin))) {
        p.setClipRect(r, Qt::IntersectClip);
    }
    const QTransform toLogical = t.inverted();
    QRawFont face;
    QRawFont doubled; // the face at twice its size, made when a glyph is first filled
    GlyphKey key;
    for (const Placed& placed : laid->glyphs) {
        if (placed.font != face) {
            face = placed.font;
            doubled = QRawFont();
            key.face = faceOf(face, font.hintingPreference(), font.stretch(), pen.rgba(), dpr);
        }
        const QPointF at = t.map(origin + placed.at);
        const auto [x, phaseX] = split(at.x());
        const auto [y, phaseY] = split(at.y());
        key.index = placed.index;
        key.phase = QPoint(phaseX, phaseY);
        // A glyph is filled the first time it is drawn, not left to the event loop: most
        // letters come back within the same caption or screen.
        Glyph filled;
        const Glyph* glyph = kept().object(key);
        if (!glyph) {
            std::optional<Glyph> fast;
            // Only an unhinted face rasterises as QPainter fills its outline. (A face laid
            // out from a font does not tell its hinting; the font does.)
            if (font.hintingPreference() == QFont::PreferNoHinting) {
                if (!doubled.isValid()) {
                    doubled = face;
                    doubled.setPixelSize(face.pixelSize() * dpr * 2);
                }
                fast = rasterised(doubled, key.index, key.phase, pen, dpr);
            }
            filled = fast ? *fast : fill(face, key.index, key.phase, pen, dpr);
            glyph = &filled;
            // A glyph larger than the whole cache is refused (and deleted) by it.
            kept().insert(key, new Glyph(filled),
                          std::max<qsizetype>(1, filled.image.sizeInBytes() / 1024));
        }
        if (!glyph->image.isNull()) {
            // On whole device pixels: a copy of the kept glyph, not resampled.
            const QPointF device(x + glyph->offset.x(), y + glyph->offset.y());
            p.drawImage(toLogical.map(device), glyph->image);
        }
    }
    p.restore();
    return true;
}

void clear() {
    kept().clear();
    layouts().clear();
}

} // namespace forms::glyphs
