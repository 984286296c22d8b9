#pragma once

#include <QByteArray>
#include <QColor>
#include <QPoint>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace pw::gen {

/// A font as a metafile names it: face name, character (em) height in twips, weight.
struct FontSpec {
    QString face;
    int height = 240;
    bool bold = false;
    bool italic = false;
    bool operator==(const FontSpec&) const = default;
};

/// Writes one placeable Windows Metafile whose logical units are twips: the window is
/// the bounding box (0, 0)–(width, height) and the placeable header says 1440 units per
/// inch, so the picture shows at its own size. Objects are created when a different one
/// is needed and the one it replaces is deleted, so the object table stays small.
class WmfWriter {
public:
    WmfWriter(int width, int height);

    void setTextColor(const QColor& color);
    void selectFont(const FontSpec& font);
    /// A solid pen of the given width in twips; no colour selects the null pen.
    void selectPen(std::optional<QColor> color, int width = 15);
    /// A solid brush; no colour selects the hollow brush.
    void selectBrush(std::optional<QColor> color);

    /// Text with its top-left corner at (x, y); the text is already Windows-1252.
    void textOut(int x, int y, const QByteArray& text);
    void rectangle(int left, int top, int right, int bottom);
    void roundRect(int left, int top, int right, int bottom, int cornerW, int cornerH);
    void ellipse(int left, int top, int right, int bottom);
    void polygon(const std::vector<QPoint>& points);
    void polyline(const std::vector<QPoint>& points);
    void line(QPoint from, QPoint to);

    /// The whole file: placeable header, metafile header, records and the end record.
    QByteArray finish();

private:
    enum Slot { FontSlot, PenSlot, BrushSlot, SlotCount };

    void record(uint16_t function, const std::vector<int16_t>& params, const QByteArray& tail = {});
    void replaceObject(Slot slot, uint16_t function, const QByteArray& body);
    int freeObjectIndex() const;

    int m_width;
    int m_height;
    QByteArray m_records;
    uint32_t m_maxRecordWords = 0;
    std::vector<bool> m_objectUsed;
    int m_current[SlotCount] = {-1, -1, -1};
    std::optional<QColor> m_textColor;
    std::optional<FontSpec> m_font;
    std::optional<QByteArray> m_pen;
    std::optional<QByteArray> m_brush;
};

} // namespace pw::gen
