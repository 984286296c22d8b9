#include "media/wmf/metafile.h"

#include "media/wmf/player.h"
#include "media/wmf/reader.h"

#include <QFile>
#include <QPainter>

#include <cmath>

namespace wmf {

Metafile::Metafile(std::shared_ptr<const MetafileData> data) : m_data(std::move(data)) {}

std::variant<Metafile, Error> Metafile::read(QByteArrayView bytes) {
    auto result = Reader::read(bytes);
    if (auto* error = std::get_if<Error>(&result))
        return *error;
    return Metafile(
        std::make_shared<const MetafileData>(std::move(std::get<MetafileData>(result))));
}

std::variant<Metafile, Error> Metafile::readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Error{QStringLiteral("cannot open %1: %2").arg(path, file.errorString()), -1};
    if (file.size() > Reader::kMaxFileBytes)
        return Error{
            QStringLiteral("%1 is larger than %2 bytes").arg(path).arg(Reader::kMaxFileBytes), -1};
    const QByteArray bytes = file.readAll();
    return read(bytes);
}

QSizeF Metafile::sizeTwips() const {
    const double twipsPerUnit = 1440.0 / m_data->unitsPerInch;
    return m_data->frame.size() * twipsPerUnit;
}

QSize Metafile::sizePixels(qreal dpi) const {
    const QSizeF inches = sizeTwips() / 1440.0;
    return QSize(std::max(1, int(std::lround(inches.width() * dpi))),
                 std::max(1, int(std::lround(inches.height() * dpi))));
}

bool Metafile::hasPlaceableHeader() const {
    return m_data->placeable;
}

int Metafile::recordCount() const {
    return int(m_data->records.size());
}

bool Metafile::draw(QPainter& painter, const QRectF& target) const {
    return Player::play(*m_data, painter, target);
}

// A metafile's own size can be absurd (a bounding box of 30000 units at 1 unit per inch);
// the image is then scaled down to stay within kMaxImageSide pixels a side.
QImage Metafile::toImage(qreal dpi, const QColor& background) const {
    constexpr int kMaxImageSide = 8192;
    QSize size = sizePixels(dpi);
    if (size.width() > kMaxImageSide || size.height() > kMaxImageSide)
        size = size.scaled(kMaxImageSide, kMaxImageSide, Qt::KeepAspectRatio).expandedTo({1, 1});
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(background);
    QPainter painter(&image);
    draw(painter, QRectF(QPointF(0, 0), image.size()));
    return image;
}

} // namespace wmf
