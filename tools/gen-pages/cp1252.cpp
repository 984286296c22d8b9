#include "cp1252.h"

#include <array>
#include <stdexcept>

namespace pw::gen {
namespace {

// Code points of bytes 0x80..0x9F; zero marks the five bytes the code page leaves unassigned.
constexpr std::array<char16_t, 32> kHighTable = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

int byteFor(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return c;
    }
    for (size_t i = 0; i < kHighTable.size(); ++i) {
        if (kHighTable[i] != 0 && kHighTable[i] == c) {
            return int(0x80 + i);
        }
    }
    return -1;
}

} // namespace

QByteArray toCp1252(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (QChar ch : text) {
        const int b = byteFor(ch.unicode());
        if (b < 0) {
            throw std::runtime_error(
                QStringLiteral("character U+%1 in \"%2\" has no Windows-1252 byte")
                    .arg(int(ch.unicode()), 4, 16, QLatin1Char('0'))
                    .arg(text)
                    .toStdString());
        }
        out.append(char(b));
    }
    return out;
}

bool isPrintableCp1252(const QByteArray& bytes) {
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F) {
            return false;
        }
        if (b >= 0x80 && b <= 0x9F && kHighTable[b - 0x80] == 0) {
            return false;
        }
    }
    return true;
}

} // namespace pw::gen
