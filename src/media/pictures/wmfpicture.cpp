#include "media/pictures/metafilepicture.h"

#include "media/wmf/metafile.h"

namespace media {
namespace {

class MetafileSource final : public forms::PictureSource {
public:
    explicit MetafileSource(wmf::Metafile metafile) : m_metafile(std::move(metafile)) {}
    QSizeF sizeTwips() const override { return m_metafile.sizeTwips(); }
    void draw(QPainter& painter, const QRectF& target) const override {
        m_metafile.draw(painter, target);
    }
    bool drawAlone(QPainter& painter, const QRectF& target) const override {
        return m_metafile.draw(painter, target);
    }

private:
    wmf::Metafile m_metafile;
};

} // namespace

bool metafilesSupported() {
    return true;
}

std::optional<forms::Picture> loadMetafile(const QByteArray& bytes, QString* error) {
    auto result = wmf::Metafile::read(bytes);
    if (auto* failure = std::get_if<wmf::Error>(&result)) {
        if (error) {
            *error = failure->message;
        }
        return std::nullopt;
    }
    return forms::Picture(
        std::make_shared<MetafileSource>(std::get<wmf::Metafile>(std::move(result))));
}

} // namespace media
