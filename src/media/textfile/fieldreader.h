#pragma once

#include <QByteArray>
#include <QString>

namespace media {

// Reads a text file as a sequence of fields, the way the program's quiz files and
// worksheet register are read.
//
// A field is the rest of the current line up to the first comma or the end of the line,
// taken verbatim: no quote processing and no trimming, so spaces and double quotes read
// back exactly as written. A comma ends its field and the next field starts after it on
// the same line ("a,b" gives "a" then "b"; "a," gives "a" then ""). A line ends at CR LF,
// at a lone LF or at a lone CR. An empty line is one empty field. A last line without a
// line end is still a line. Reading past the last line throws.
class FieldReader {
public:
    explicit FieldReader(QByteArray bytes);

    // The next field, decoded from Windows-1252. Throws TextFileError("read past end of
    // file") when no field is left.
    QString readField();

    // The next field read as a whole number of decimal digits, spaces on either side of
    // the digits ignored (the program writes numbers as " 12 "). Throws TextFileError when
    // the field is not such a number or does not fit an int.
    int readNumber();

    // True when the next readField() would throw.
    bool atEnd() const;

private:
    QByteArray m_bytes;
    qsizetype m_pos = 0;
    bool m_fieldPending = false; // a comma ended the last field, so one more field follows
};

} // namespace media
