#pragma once

#include <QByteArrayView>
#include <QString>

namespace wmf {

/// Turns the bytes of a text record into text by the font's character set: the Windows
/// code pages (ANSI = Windows-1252), the East Asian double-byte sets, and the Symbol
/// font's own encoding (Greek letters and mathematical signs).
class TextDecoder {
public:
    static QString decode(QByteArrayView bytes, int charset, const QString& face);
    /// Whether one byte is one character in this character set.
    static bool isSingleByte(int charset);
};

} // namespace wmf
