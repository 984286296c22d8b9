#include "media/textfile/textfiles.h"

#include "media/textfile/codepage.h"
#include "media/textfile/programpath.h"
#include "media/textfile/textfileerror.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <optional>
#include <vector>

namespace media {
namespace {

std::string describe(const QString& path, const QString& problem) {
    return (path + QStringLiteral(": ") + problem).toStdString();
}

// Every line encoded before anything is written, so that a character outside
// Windows-1252 fails the write without touching the disk.
std::vector<QByteArray> encodeLines(const QString& path, const QStringList& lines) {
    std::vector<QByteArray> encoded;
    encoded.reserve(lines.size());
    for (const QString& line : lines) {
        // A line break inside a line would read back as two lines and shift every field
        // after it: such a file is refused, not written.
        if (line.contains(QLatin1Char('\r')) || line.contains(QLatin1Char('\n')))
            throw TextFileError(describe(path, QStringLiteral("a line holds a line break")));
        std::optional<QByteArray> bytes = encode1252(line);
        if (!bytes)
            throw TextFileError(describe(path, QStringLiteral("a character of \"") + line +
                                                   QStringLiteral("\" cannot be stored")));
        bytes->append("\r\n");
        encoded.push_back(std::move(*bytes));
    }
    return encoded;
}

} // namespace

bool TextFiles::exists(const QString& path) const {
    return QFileInfo(programPath(path)).isFile();
}

FieldReader TextFiles::openForReading(const QString& path) {
    const QString resolved = programPath(path);
    if (!QFileInfo(resolved).isFile())
        throw TextFileError(describe(path, QStringLiteral("no such file")));
    QFile file(resolved);
    if (!file.open(QIODevice::ReadOnly))
        throw TextFileError(describe(path, file.errorString()));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw TextFileError(describe(path, file.errorString()));
    return FieldReader(std::move(bytes));
}

void TextFiles::replace(const QString& path, const QStringList& lines) {
    const std::vector<QByteArray> encoded = encodeLines(path, lines);
    // Without commit() the destructor discards the temporary file and the old file stays.
    QSaveFile file(programPath(path));
    if (!file.open(QIODevice::WriteOnly))
        throw TextFileError(describe(path, file.errorString()));
    for (const QByteArray& bytes : encoded)
        writeChunk(file, bytes);
    if (!file.commit())
        throw TextFileError(describe(path, file.errorString()));
}

void TextFiles::writeChunk(QIODevice& out, QByteArrayView bytes) {
    if (out.write(bytes.data(), bytes.size()) != bytes.size())
        throw TextFileError(describe(QStringLiteral("write"), out.errorString()));
}

} // namespace media
