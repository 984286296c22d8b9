#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QChar>
#include <QString>
#include <optional>

namespace media {

// The program's text files hold one byte per character in Windows-1252. The five bytes
// that Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) decode to the C1
// control characters of the same value and encode back to them, so that any file's bytes
// survive a read and a rewrite unchanged.

// The Windows-1252 bytes of text; nullopt when a character has no Windows-1252 byte.
std::optional<QByteArray> encode1252(const QString& text);

// The text of Windows-1252 bytes; every byte gives exactly one character.
QString decode1252(QByteArrayView bytes);

// Whether c has a Windows-1252 byte (a surrogate half never has one).
bool isWindows1252(QChar c);

} // namespace media
