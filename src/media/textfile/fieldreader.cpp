#include "media/textfile/fieldreader.h"

#include "media/textfile/codepage.h"
#include "media/textfile/textfileerror.h"

#include <limits>

namespace media {

FieldReader::FieldReader(QByteArray bytes) : m_bytes(std::move(bytes)) {}

bool FieldReader::atEnd() const {
    return m_pos >= m_bytes.size() && !m_fieldPending;
}

QString FieldReader::readField() {
    if (atEnd())
        throw TextFileError("read past end of file");
    const qsizetype start = m_pos;
    qsizetype end = start;
    while (end < m_bytes.size() && m_bytes[end] != ',' && m_bytes[end] != '\r' &&
           m_bytes[end] != '\n')
        ++end;
    const QString field = decode1252(QByteArrayView(m_bytes).sliced(start, end - start));

    m_fieldPending = false;
    m_pos = end;
    if (m_pos < m_bytes.size()) {
        const char stop = m_bytes[m_pos++];
        if (stop == ',')
            m_fieldPending = true;
        else if (stop == '\r' && m_pos < m_bytes.size() && m_bytes[m_pos] == '\n')
            ++m_pos;
    }
    return field;
}

int FieldReader::readNumber() {
    const QString field = readField();
    qsizetype first = 0;
    qsizetype last = field.size();
    while (first < last && field[first] == QLatin1Char(' '))
        ++first;
    while (last > first && field[last - 1] == QLatin1Char(' '))
        --last;
    if (first == last)
        throw TextFileError("expected a number, found an empty line");

    long long value = 0;
    for (qsizetype i = first; i < last; ++i) {
        const QChar c = field[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            throw TextFileError("expected a number, found \"" + field.toStdString() + "\"");
        value = value * 10 + (c.unicode() - '0');
        if (value > std::numeric_limits<int>::max())
            throw TextFileError("number too large: \"" + field.toStdString() + "\"");
    }
    return static_cast<int>(value);
}

} // namespace media
