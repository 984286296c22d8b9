#pragma once

#include <QByteArrayView>
#include <QColor>
#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <memory>
#include <variant>

class QPainter;

namespace wmf {

struct MetafileData;

/// Why a metafile could not be read: a message and the byte offset it concerns
/// (-1 when it concerns the file as a whole).
struct Error {
    QString message;
    qint64 offset = -1;
};

/// A parsed Windows Metafile: immutable, cheap to copy (the data is shared).
///
/// Own size: with a placeable header, the header's bounding box divided by its units per
/// inch. Without one, the first window origin and extent the records set, counted as
/// pixels at 96 per inch (a metafile without a placeable header has no physical size;
/// 96 per inch is what the drawing programs that write such files assume). A file that
/// sets no window extent is sized by the bounding box of its drawing coordinates.
///
/// Reading is strict about structure (every record inside the bytes, a META_EOF record,
/// limits on record count and object table): a file that breaks it is refused with an
/// Error. Drawing is tolerant about content: a record whose parameters are inconsistent
/// (a count past its end, a missing object, a bad bitmap) is skipped and the rest drawn.
class Metafile {
public:
    static std::variant<Metafile, Error> read(QByteArrayView bytes);
    static std::variant<Metafile, Error> readFile(const QString& path);

    /// Own size in twips (1440 per inch).
    QSizeF sizeTwips() const;
    /// Own size in whole pixels at the given resolution (at least 1 x 1).
    QSize sizePixels(qreal dpi) const;
    bool hasPlaceableHeader() const;
    int recordCount() const;

    /// Plays the records into target (painter coordinates); the frame of the metafile is
    /// stretched onto target and drawing is clipped to it. The painter's state is kept.
    /// Returns false when raster operations combined the drawing with what lay beneath
    /// (inverting it, say), so that the result depends on the background.
    bool draw(QPainter& painter, const QRectF& target) const;
    /// Renders at own size at the given resolution onto the given background.
    QImage toImage(qreal dpi = 96, const QColor& background = Qt::white) const;

private:
    explicit Metafile(std::shared_ptr<const MetafileData> data);
    std::shared_ptr<const MetafileData> m_data;
};

} // namespace wmf
