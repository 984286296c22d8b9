#pragma once

#include <QByteArray>
#include <QString>

namespace pw::gen {

/// Encodes text in Windows-1252, one byte per character, as the program's text files
/// and metafile strings are stored. Throws std::runtime_error naming the first
/// character that the code page cannot hold, so that no text is silently changed.
QByteArray toCp1252(const QString& text);

/// True when every byte is a printable Windows-1252 character (no control codes and
/// none of the five unassigned bytes).
bool isPrintableCp1252(const QByteArray& bytes);

} // namespace pw::gen
