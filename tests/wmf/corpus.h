#pragma once

#include <QString>
#include <QStringList>

/// The third-party metafiles in tests/wmf/corpus and their reference renderings.
namespace corpus {

inline QString wmfDir() {
    return QStringLiteral(PW_CORPUS_DIR "/wmf");
}
inline QString refDir() {
    return QStringLiteral(PW_CORPUS_DIR "/wmf-ref");
}
/// File names (NAME.wmf) of every corpus metafile, sorted.
QStringList metafiles();
/// Stems of the metafiles that have a reference rendering.
QStringList referenced();

} // namespace corpus

#include <ostream>

/// Test names print as text rather than as bytes.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << text.toStdString();
}
