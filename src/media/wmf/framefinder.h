#pragma once

#include "media/wmf/metafiledata.h"

#include <optional>

namespace wmf {

/// The frame of a metafile without a placeable header: the first window origin and
/// extent it sets; failing that, the bounding box of the coordinates it draws at.
class FrameFinder {
public:
    static std::optional<QRectF> find(const MetafileData& data);

private:
    explicit FrameFinder(const MetafileData& data) : m_data(data) {}
    std::optional<QRectF> fromWindow() const;
    std::optional<QRectF> fromDrawing() const;
    void addPoints(const Record& record, std::optional<QRectF>& bounds) const;

    const MetafileData& m_data;
};

} // namespace wmf
