#pragma once

#include <QString>
#include <QStringList>

/// The third-party metafiles beside the project and their reference renderings.
namespace corpus {

inline QString wmfDir() {
    return QStringLiteral(PW_SHARED_DIR "/corpus/wmf");
}
inline QString refDir() {
    return QStringLiteral(PW_SHARED_DIR "/corpus/wmf-ref");
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
