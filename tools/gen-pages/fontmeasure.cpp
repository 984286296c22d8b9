#include "fontmeasure.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>

#include <stdexcept>

namespace pw::gen {
namespace {

struct FaceFiles {
    const char* face;
    const char* regular;
    const char* bold;
};

constexpr FaceFiles kFaces[] = {
    {"Tahoma", "tahoma.ttf", "tahomabd.ttf"},
    {"Times New Roman", "LiberationSerif-Regular.ttf", "LiberationSerif-Bold.ttf"},
    {"Arial", "LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf"},
};

// Debian's fonts-wine and fonts-liberation folders; PW_FONT_DIRS may name others first.
QStringList fontDirs() {
    QStringList dirs =
        qEnvironmentVariable("PW_FONT_DIRS").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    dirs << QStringLiteral("/usr/share/wine/fonts")
         << QStringLiteral("/usr/share/fonts/truetype/liberation")
         << QStringLiteral("/usr/share/fonts/truetype/liberation2");
    return dirs;
}

QString loadFontFile(const QString& fileName) {
    for (const QString& dir : fontDirs()) {
        const QString path = QDir(dir).filePath(fileName);
        if (!QFile::exists(path)) {
            continue;
        }
        const int id = QFontDatabase::addApplicationFont(path);
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (id >= 0 && !families.isEmpty()) {
            return families.first();
        }
    }
    throw std::runtime_error("font file not found or unreadable: " + fileName.toStdString());
}

} // namespace

FontMeasure::FontMeasure() {
    for (const FaceFiles& f : kFaces) {
        const QString family = loadFontFile(QString::fromLatin1(f.regular));
        loadFontFile(QString::fromLatin1(f.bold));
        m_families.insert(QString::fromLatin1(f.face), family);
    }
}

const QFontMetricsF& FontMeasure::metrics(const FontSpec& wanted) const {
    const QString key = QStringLiteral("%1/%2/%3/%4")
                            .arg(wanted.face)
                            .arg(wanted.height)
                            .arg(wanted.bold)
                            .arg(wanted.italic);
    auto it = m_cache.find(key);
    if (it == m_cache.end()) {
        const auto family = m_families.find(wanted.face);
        if (family == m_families.end()) {
            throw std::runtime_error("no font loaded for face " + wanted.face.toStdString());
        }
        QFont font(*family);
        font.setPixelSize(wanted.height);
        font.setBold(wanted.bold);
        font.setItalic(wanted.italic);
        font.setKerning(false); // TextOut places glyphs by their advances alone
        font.setHintingPreference(QFont::PreferNoHinting);
        it = m_cache.insert(key, std::make_shared<QFontMetricsF>(font));
    }
    return **it;
}

double FontMeasure::width(const FontSpec& font, const QString& text) const {
    return metrics(font).horizontalAdvance(text);
}

double FontMeasure::ascent(const FontSpec& font) const {
    return metrics(font).ascent();
}

double FontMeasure::height(const FontSpec& font) const {
    const QFontMetricsF& m = metrics(font);
    return m.ascent() + m.descent();
}

} // namespace pw::gen
