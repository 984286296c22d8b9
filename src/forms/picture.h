#pragma once

#include <QImage>
#include <QRectF>
#include <QSize>
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
    // Draws as draw() does and tells whether the result stands alone: false when the
    // drawing combined its colours with what lay beneath (inverting it, say), so that it
    // cannot be drawn once and copied onto another background.
    virtual bool drawAlone(QPainter& painter, const QRectF& target) const {
        draw(painter, target);
        return true;
    }
    // Whether drawing it at this many device pixels is as quick as copying a kept
    // drawing (a raster picture at its own size).
    virtual bool copiedAt(QSize devicePixels) const {
        Q_UNUSED(devicePixels);
        return false;
    }
};

// A loaded picture, cheap to copy. A null picture draws nothing (an empty file name
// clears a picture control). Its key names what it draws: two pictures with the same key
// draw the same (pictures read from the same bytes share one), so a drawing kept for one
// serves the other.
class Picture {
public:
    Picture() = default;
    explicit Picture(std::shared_ptr<const PictureSource> source);
    static Picture fromImage(const QImage& image);

    // The same picture under the key of its content.
    Picture withKey(quint64 key) const {
        Picture p = *this;
        p.m_key = key;
        return p;
    }
    quint64 key() const { return m_key; }

    bool isNull() const { return !m_source; }
    QSizeF sizeTwips() const;
    void draw(QPainter& painter, const QRectF& target) const;
    const PictureSource* source() const { return m_source.get(); }

private:
    std::shared_ptr<const PictureSource> m_source;
    quint64 m_key = 0;
};

} // namespace forms
