#include "media/wmf/handlers.h"

#include "media/wmf/fontresolver.h"
#include "media/wmf/textdecoder.h"

#include <QFontMetricsF>

#include <cmath>

namespace wmf {

namespace {

constexpr int kOpaque = 0x0002, kClipped = 0x0004;
constexpr int kUpdateCp = 0x0001, kHorizontal = 0x0006, kVertical = 0x0018;
constexpr int kRight = 0x0002, kCentre = 0x0006, kBottom = 0x0008, kBaseline = 0x0018;
constexpr double kMaxFontPixels = 4000;

/// One text record: where, what, and the advances (logical units) when given.
struct TextRun {
    QPointF reference;
    QByteArrayView bytes;
    QVector<double> dx;
    int options = 0;
    QRectF rect; ///< logical corners; used when options say so
};

/// A text's font at its drawn size: glyphs are drawn at a whole pixel size and scaled by
/// `scale` to the exact size (and kept within limits).
struct SizedFont {
    QFont font;
    QFont cell; // its ascent and descent place the text
    double scale = 1;
};

SizedFont sizedFont(PlayContext& c) {
    const FontSpec& logical = c.state().font;
    const double height = logical.height == 0 ? 12 : std::abs(logical.height);
    double pixels = std::min(height * c.scaleY(), kMaxFontPixels);
    if (logical.height > 0) // a cell height, not an em height
        pixels *= FontResolver::emPerCell(logical);
    const int size = std::max(2, int(std::lround(pixels)));
    QFont font = FontResolver::font(logical, size);
    if (logical.width != 0) {
        const double wanted = std::abs(logical.width) * c.scaleX();
        const double average = QFontMetricsF(font).averageCharWidth();
        if (average > 0)
            font.setStretch(std::clamp(int(std::lround(100 * wanted / average)), 1, 4000));
    }
    return {font, FontResolver::cellFont(logical, size), pixels / font.pixelSize()};
}

// Advances per character from advances per byte: a double-byte character takes two.
QVector<double> perCharacter(const QString& text, const QVector<double>& dx, int charset) {
    if (dx.size() == text.size() || dx.isEmpty())
        return dx;
    if (TextDecoder::isSingleByte(charset))
        return {};
    QVector<double> result;
    qsizetype byte = 0;
    for (QChar ch : text) {
        const bool wide = ch.unicode() >= 0x80;
        double sum = 0;
        for (int i = 0; i < (wide ? 2 : 1) && byte < dx.size(); ++i)
            sum += dx[byte++];
        result.append(sum);
    }
    return result;
}

void fillOpaqueRect(PlayContext& c, const TextRun& run) {
    if (run.options & kOpaque) {
        c.painter().setCompositionMode(QPainter::CompositionMode_SourceOver);
        c.painter().fillRect(c.mapRect(run.rect.topLeft(), run.rect.bottomRight()),
                             c.state().bkColor);
    }
}

double alignX(int align, double width) {
    switch (align & kHorizontal) {
    case kRight:
        return -width;
    case kCentre:
        return -width / 2;
    default:
        return 0;
    }
}

double alignY(int align, const QFontMetricsF& metrics) {
    switch (align & kVertical) {
    case kBaseline:
        return 0;
    case kBottom:
        return -metrics.descent();
    default:
        return metrics.ascent();
    }
}

// Draws at the reference point in the text's own frame: x along the baseline (rotated by
// the escapement), y down; sizes in font pixels before `scale`.
void drawGlyphs(PlayContext& c, const QString& text, const QVector<double>& advances,
                const SizedFont& sized, double width, QPointF at) {
    QPainter& painter = c.painter();
    const QFontMetricsF metrics(sized.cell);
    const int align = c.state().textAlign;
    const double x0 = alignX(align, width), baseline = alignY(align, metrics);
    painter.save();
    painter.translate(at);
    painter.rotate(-c.state().font.escapement / 10.0);
    painter.scale(sized.scale, sized.scale);
    if (c.state().bkOpaque)
        painter.fillRect(QRectF(x0, baseline - metrics.ascent(), width, metrics.height()),
                         c.state().bkColor);
    painter.setFont(sized.font);
    painter.setPen(c.state().textColor);
    // The background was filled above; a shape's opaque mode left on the painter would
    // fill each glyph's cell again in the shape's background colour.
    painter.setBackgroundMode(Qt::TransparentMode);
    if (advances.isEmpty()) {
        painter.drawText(QPointF(x0, baseline), text);
    } else {
        double x = x0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            painter.drawText(QPointF(x, baseline), QString(text[i]));
            x += advances[i];
        }
    }
    painter.restore();
}

void drawRun(PlayContext& c, const TextRun& run) {
    DcState& state = c.state();
    const bool updateCp = state.textAlign & kUpdateCp;
    const QPointF at = c.map(updateCp ? state.position : run.reference);
    const QString text = TextDecoder::decode(run.bytes, state.font.charset, state.font.face);
    const SizedFont sized = sizedFont(c);
    // Advances in font pixels: the record's (scaled) or the font's own.
    QVector<double> advances = perCharacter(text, run.dx, state.font.charset);
    const double extra = state.textCharExtra * c.scaleX() / sized.scale;
    if (advances.isEmpty() && extra != 0) {
        const QFontMetricsF metrics(sized.font);
        for (QChar ch : text)
            advances.append(metrics.horizontalAdvance(ch) + extra);
    } else {
        for (double& a : advances)
            a = a * c.scaleX() / sized.scale;
    }
    double width = 0;
    for (double a : advances)
        width += a;
    if (advances.isEmpty())
        width = QFontMetricsF(sized.font).horizontalAdvance(text);
    c.painter().save();
    if (run.options & kClipped)
        c.painter().setClipRect(c.mapRect(run.rect.topLeft(), run.rect.bottomRight()),
                                Qt::IntersectClip);
    fillOpaqueRect(c, run);
    c.painter().setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (!text.isEmpty())
        drawGlyphs(c, text, advances, sized, width, at);
    c.painter().restore();
    if (updateCp) {
        const double move = (state.textAlign & kHorizontal) == kRight    ? -width
                            : (state.textAlign & kHorizontal) == kCentre ? 0
                                                                         : width;
        const double angle = -state.font.escapement / 10.0 * M_PI / 180;
        const QPointF end = at + QPointF(std::cos(angle), std::sin(angle)) * move * sized.scale;
        state.position = c.toPainter().inverted().map(end);
    }
}

// y, x, count, options, [rectangle: left, top, right, bottom], text, [advances].
void extTextOut(PlayContext& c, const RecordParams& p) {
    if (!p.has(4))
        return;
    TextRun run;
    run.reference = pointAt(p, 0);
    run.options = p.u16(3);
    qsizetype word = 4;
    if (run.options & (kOpaque | kClipped)) {
        if (!p.has(8))
            return;
        run.rect = QRectF(QPointF(p.s16(4), p.s16(5)), QPointF(p.s16(6), p.s16(7)));
        word = 8;
    }
    const QByteArrayView rest = p.bytesFrom(word);
    const qsizetype count = std::min<qsizetype>(p.u16(2), rest.size());
    run.bytes = rest.first(count);
    const qsizetype dxWord = word + (count + 1) / 2;
    if (p.has(dxWord + count)) {
        for (qsizetype i = 0; i < count; ++i)
            run.dx.append(p.s16(dxWord + i));
    }
    drawRun(c, run);
}

// count, text (padded to a word), y, x.
void textOut(PlayContext& c, const RecordParams& p) {
    const qsizetype count = p.u16(0);
    const qsizetype textWords = (count + 1) / 2;
    if (!p.has(1 + textWords + 2))
        return;
    TextRun run;
    run.bytes = p.bytesFrom(1).first(count);
    run.reference = pointAt(p, 1 + textWords);
    drawRun(c, run);
}

} // namespace

void addTextHandlers(HandlerTable& t) {
    t.insert(fn::ExtTextOut, extTextOut);
    t.insert(fn::TextOut, textOut);
}

} // namespace wmf
