#pragma once

#include "media/pictures/pictures.h"

#include <QByteArray>
#include <QCache>
#include <functional>

namespace media {

// Pictures from files below the working directory. Raster files go through Qt's image
// readers, which recognise the format by content; Windows Metafiles (by ".wmf" or by
// their header bytes) go through the vector loader.
class FilePictures final : public Pictures {
public:
    // Turns a metafile's bytes into a picture; nullopt, with the reason in error, when it
    // cannot.
    using VectorLoader =
        std::function<std::optional<forms::Picture>(const QByteArray& bytes, QString* error)>;

    // Metafiles through the program's own reader.
    FilePictures();
    explicit FilePictures(VectorLoader vectorLoader);

    std::optional<forms::Picture> load(const QString& name, QString* error = nullptr) override;
    // Forgets the pictures kept decoded.
    void clear() { m_decoded.clear(); }

private:
    std::optional<forms::Picture> loadRaster(const QByteArray& bytes, QString* error) const;

    VectorLoader m_vectorLoader;
    // Pictures lately read, by the key of their bytes: a screen that comes back reads its
    // files again but does not decode them again. The cost of an entry is its size in
    // kilobytes, decoded.
    QCache<quint64, forms::Picture> m_decoded{32 * 1024};
};

} // namespace media
