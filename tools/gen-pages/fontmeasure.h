#pragma once

#include "wmfwriter.h"

#include <QFontMetricsF>
#include <QHash>
#include <QString>

#include <memory>

namespace pw::gen {

/// Measures text as the program will draw it: "Tahoma" with Wine's Tahoma, "Times New
/// Roman" and "Arial" with their metric-compatible Liberation fonts. The fonts are loaded
/// from their files so that the measure does not depend on what fontconfig happens to
/// know. Sizes are in twips (the font's pixel size is its em height in twips).
class FontMeasure {
public:
    /// Loads the font files; throws std::runtime_error when one cannot be found.
    FontMeasure();

    double width(const FontSpec& font, const QString& text) const;
    double ascent(const FontSpec& font) const;
    /// Height of one line of the font: ascent plus descent.
    double height(const FontSpec& font) const;

private:
    const QFontMetricsF& metrics(const FontSpec& font) const;

    QHash<QString, QString> m_families; // face name -> loaded family
    mutable QHash<QString, std::shared_ptr<QFontMetricsF>> m_cache;
};

} // namespace pw::gen
