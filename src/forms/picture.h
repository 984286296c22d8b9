#pragma once

#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <memory>

class QPainter;

namespace forms {

// Something a picture control can draw: a raster image or a vector drawing.
class PictureSource {
public:
    virtual ~PictureSource() = default;
    // Own size in twips.
    virtual QSizeF sizeTwips() const = 0;
    // Draws the picture into target (in the painter's coordinates), scaled to fit it.
    virtual void draw(QPainter& painter, const QRectF& target) const = 0;
};

// A loaded picture, cheap to copy. A null picture draws nothing (an empty file name
// clears a picture control).
class Picture {
public:
    Picture() = default;
    explicit Picture(std::shared_ptr<const PictureSource> source) : m_source(std::move(source)) {}
    static Picture fromImage(const QImage& image);

    bool isNull() const { return !m_source; }
    QSizeF sizeTwips() const;
    void draw(QPainter& painter, const QRectF& target) const;
    const PictureSource* source() const { return m_source.get(); }

private:
    std::shared_ptr<const PictureSource> m_source;
};

} // namespace forms
