#pragma once

#include "media/textfile/fieldreader.h"

#include <QByteArrayView>
#include <QIODevice>
#include <QString>
#include <QStringList>

namespace media {

// The program's text files: Windows-1252, every line ended by CR LF. Paths are relative
// to the working directory and go through programPath. The program uses one of these;
// tests subclass it to inject faults.
class TextFiles {
public:
    virtual ~TextFiles() = default;

    // Whether the file exists (a folder does not count).
    virtual bool exists(const QString& path) const;

    // The whole file, ready to be read as fields. Throws TextFileError when the file is
    // missing or cannot be read.
    virtual FieldReader openForReading(const QString& path);

    // Replaces the file's contents with the lines, each followed by CR LF. The bytes go to
    // a temporary file in the same folder, which is renamed over the old file only once
    // everything has been written, so a failure never leaves a half-written file. Throws
    // TextFileError, leaving the old file as it was, when a line holds a line break or a
    // character with no Windows-1252 byte, the folder is missing, the name is refused, or
    // writing fails.
    virtual void replace(const QString& path, const QStringList& lines);

protected:
    // Writes one line's bytes (line end included); throws TextFileError on a short write.
    // replace() calls it once per line, so a subclass can fail part way through.
    virtual void writeChunk(QIODevice& out, QByteArrayView bytes);
};

} // namespace media
