#include "media/wmf/fontresolver.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QMutex>

namespace wmf {

namespace {

struct Substitute {
    const char* face;
    const char* family;
};

constexpr Substitute kSubstitutes[] = {
    {"Times New Roman", "Liberation Serif"},
    {"Times", "Liberation Serif"},
    {"Arial", "Liberation Sans"},
    {"Helvetica", "Liberation Sans"},
    {"Courier New", "Liberation Mono"},
    {"Courier", "Liberation Mono"},
    {"Arial Narrow", "Liberation Sans Narrow"},
    {"MS Sans Serif", "Liberation Sans"},
    {"MS Serif", "Liberation Serif"},
    {"System", "Liberation Sans"},
};

// Faces that fontconfig answers with fonts that lack the glyphs drawn here. Symbol text
// is turned into Unicode before drawing, so it needs a font with the Greek and
// mathematical characters, not one with the old symbol encoding.
constexpr Substitute kAlways[] = {
    {"Symbol", "DejaVu Serif"},
    {"Times", "Liberation Serif"},
    {"Helvetica", "Liberation Sans"},
    {"Courier", "Liberation Mono"},
};

// The bold of fonts-wine's Tahoma is drawn no heavier than its regular face; this one is
// really bold, with nearly the same widths.
constexpr Substitute kBold[] = {
    {"Tahoma", "DejaVu Sans Condensed"},
};

QString resolve(const QString& face) {
    if (face.isEmpty())
        return QStringLiteral("Liberation Sans");
    for (const Substitute& s : kAlways) {
        if (face.compare(QLatin1String(s.face), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(s.family);
    }
    if (QFontDatabase::hasFamily(face))
        return face;
    for (const Substitute& s : kSubstitutes) {
        if (face.compare(QLatin1String(s.face), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(s.family);
    }
    return face; // fontconfig picks its own nearest match
}

} // namespace

// Asking the font database is slow next to drawing a line of text, so answers are kept.
QString FontResolver::family(const QString& face) {
    static QMutex mutex;
    static QHash<QString, QString> cache;
    QMutexLocker lock(&mutex);
    auto it = cache.constFind(face);
    if (it == cache.constEnd())
        it = cache.insert(face, resolve(face));
    return *it;
}

namespace {

const Substitute* boldStandIn(const QString& face, int weight) {
    if (weight < 600)
        return nullptr;
    for (const Substitute& s : kBold) {
        if (face.compare(QLatin1String(s.face), Qt::CaseInsensitive) == 0)
            return &s;
    }
    return nullptr;
}

} // namespace

QString FontResolver::family(const QString& face, int weight) {
    if (const Substitute* s = boldStandIn(face, weight))
        return QString::fromLatin1(s->family);
    return family(face);
}

QFont FontResolver::cellFont(const FontSpec& logical, int pixelSize) {
    if (!boldStandIn(logical.face, logical.weight))
        return font(logical, pixelSize);
    QFont font(family(logical.face));
    font.setPixelSize(std::max(1, pixelSize));
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QFont FontResolver::font(const FontSpec& logical, int pixelSize) {
    QFont font(family(logical.face, logical.weight));
    font.setPixelSize(std::max(1, pixelSize));
    font.setWeight(QFont::Weight(std::clamp(logical.weight == 0 ? 400 : logical.weight, 100, 900)));
    font.setItalic(logical.italic);
    font.setUnderline(logical.underline);
    font.setStrikeOut(logical.strikeOut);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// Measured at a large size: at a few pixels the ascent and descent come rounded, and the
// ratio taken from them would be off by a pixel's worth.
double FontResolver::emPerCell(const FontSpec& logical) {
    constexpr int kMeasureSize = 256;
    static QMutex mutex;
    static QHash<QString, double> cache;
    const QFont measured = cellFont(logical, kMeasureSize);
    const QString key = measured.key();
    QMutexLocker lock(&mutex);
    auto it = cache.constFind(key);
    if (it == cache.constEnd()) {
        const QFontMetricsF metrics(measured);
        const double cell = metrics.ascent() + metrics.descent();
        it = cache.insert(key, cell > 0 ? kMeasureSize / cell : 1.0);
    }
    return *it;
}

} // namespace wmf
