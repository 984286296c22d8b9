#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QString>
#include <QVector>

#include <algorithm>
#include <variant>
#include <vector>

namespace wmf {

/// A logical pen as recorded: style bits (PS_*), width in logical units, colour.
struct PenSpec {
    int style = 0;
    double width = 0;
    QColor color = Qt::black;
};

/// A logical brush: solid, none, hatched (HS_* in hatch) or a bitmap pattern.
struct BrushSpec {
    enum Kind { Solid, Null, Hatched, Pattern };
    Kind kind = Solid;
    QColor color = Qt::white;
    int hatch = 0;
    QImage pattern;
};

/// A logical font as recorded; height and width in logical units, angles in tenths of
/// a degree.
struct FontSpec {
    int height = 0;
    int width = 0;
    int escapement = 0;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charset = 0;
    QString face;
};

/// A region as recorded: rectangles in logical units. A record too short to hold a region
/// still takes its slot but makes no region: GDI then has no object there.
struct RegionSpec {
    QVector<QRectF> rects;
    bool valid = true;
};

/// A palette takes a slot in the object table; its colours do not matter on a true-colour
/// device.
struct PaletteSpec {};

using GdiObject =
    std::variant<std::monostate, PenSpec, BrushSpec, FontSpec, RegionSpec, PaletteSpec>;

/// The metafile's object table. A new object takes the lowest free slot, as in GDI; the
/// table grows past the header's count (some writers count wrongly) up to a limit.
class ObjectTable {
public:
    static constexpr int kMaxObjects = 16384;

    explicit ObjectTable(int size) : m_slots(size_t(std::clamp(size, 0, kMaxObjects))) {}

    /// Returns false when the table is full and the object is dropped.
    bool add(GdiObject object);
    /// The object in a slot, or nullptr for an empty or missing slot.
    const GdiObject* at(int index) const;
    void remove(int index);

private:
    std::vector<GdiObject> m_slots;
    size_t m_firstFree = 0;
};

} // namespace wmf
