#include "media/pictures/filepictures.h"

#include "forms/twips.h"
#include "media/pictures/metafilepicture.h"
#include "media/pictures/wmfsniffer.h"
#include "media/textfile/programpath.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace media {
namespace {

void setError(QString* error, const QString& text) {
    if (error) {
        *error = text;
    }
}

} // namespace

FilePictures::FilePictures() : FilePictures(&loadMetafile) {}

FilePictures::FilePictures(VectorLoader vectorLoader) : m_vectorLoader(std::move(vectorLoader)) {}

std::optional<forms::Picture> FilePictures::load(const QString& name, QString* error) {
    if (name.isEmpty()) {
        return forms::Picture();
    }
    const QString path = programPath(name);
    QFile file(path);
    if (!QFileInfo(path).isFile()) {
        setError(error, QStringLiteral("Cannot find the picture file %1.").arg(name));
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, QStringLiteral("Cannot read the picture file %1.").arg(name));
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    // Pictures read from the same bytes draw the same: one drawn and kept at the display's
    // resolution serves them all (a page read again when it is turned to, say).
    const quint64 key = qHashMulti(0, bytes, bytes.size());
    if (const forms::Picture* decoded = m_decoded.object(key)) {
        return *decoded;
    }
    QString why;
    std::optional<forms::Picture> picture;
    if (path.endsWith(QStringLiteral(".wmf"), Qt::CaseInsensitive) || looksLikeMetafile(bytes)) {
        picture = m_vectorLoader ? m_vectorLoader(bytes, &why) : std::nullopt;
    } else {
        picture = loadRaster(bytes, &why);
    }
    if (!picture) {
        setError(error, QStringLiteral("Cannot read the picture file %1: %2.").arg(name, why));
        return picture;
    }
    const forms::Picture keyed = picture->withKey(key);
    const QSizeF pixels = keyed.sizeTwips() / forms::kTwipsPerPixel;
    const qint64 kilobytes =
        std::max<qint64>(bytes.size(), qint64(pixels.width() * pixels.height() * 4)) / 1024;
    m_decoded.insert(key, new forms::Picture(keyed), std::max<qint64>(1, kilobytes));
    return keyed;
}

std::optional<forms::Picture> FilePictures::loadRaster(const QByteArray& bytes,
                                                       QString* error) const {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    // The content decides the format: files named ".jpg" that hold a GIF still load.
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull()) {
        setError(error, reader.errorString());
        return std::nullopt;
    }
    return forms::Picture::fromImage(image);
}

} // namespace media
