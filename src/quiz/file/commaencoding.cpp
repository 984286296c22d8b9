#include "quiz/file/commaencoding.h"

QString commaEncode(const QString& text) {
    QString encoded = text;
    encoded.replace(QLatin1Char(','), QLatin1Char('&'));
    return encoded;
}

QString commaDecode(const QString& text) {
    QString decoded = text;
    decoded.replace(QLatin1Char('&'), QLatin1Char(','));
    return decoded;
}
