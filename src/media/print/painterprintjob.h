#pragma once

#include "media/print/printservice.h"

#include <QColor>
#include <QFont>
#include <QPen>
#include <functional>
#include <memory>
#include <vector>

class QPaintDevice;
class QPainter;

namespace media {

// A print job onto any paint device whose painter origin is the top-left corner of the
// printable area (a QPrinter that is not full-page, a QPdfWriter, an image in tests).
// Positions are kept in twips and turned into device units (twips x dpi / 1440) only when
// drawing, so fonts keep their point size at the device's own resolution.
//
// Drawing is collected and played onto the device only by endDoc: a run that stops part
// way through (a failed operation, an exception in the caller) never reaches the device,
// which a printer's own abort cannot promise.
class PainterPrintJob : public PrintJob {
public:
    // Line width 1 is one pixel of the 96-dpi screen the pages were designed on.
    static constexpr float kTwipsPerLineWidth = 15.0f;

    explicit PainterPrintJob(std::unique_ptr<QPaintDevice> device);
    ~PainterPrintJob() override;

    void setFontName(const QString& name) override;
    void setFontSize(float points) override;
    void setColor(int paletteIndex) override;
    float pageWidth() override;
    float pageHeight() override;
    void setX(float twips) override;
    float textWidth(const QString& text) override;
    void print(const QString& text, bool endLine = true) override;
    void setLineWidth(int width) override;
    void line(float x1, float y1, float x2, float y2) override;
    void drawPicture(const forms::Picture& picture, float x, float y) override;
    // Paints the page; throws PrinterError when the device cannot be painted or fails.
    void endDoc() override;

    float x() const { return m_x; }
    float y() const { return m_y; }
    // The face that the current font name resolved to.
    QString resolvedFamily() const;

protected:
    QPaintDevice& device() { return *m_device; }
    // Called after painting has ended; throws PrinterError when the device failed.
    virtual void checkFinished() {}

private:
    using Step = std::function<void(QPainter&)>;

    void requireOpen() const;
    void resolveFont();
    QPen pen() const;
    float toDeviceX(float twips) const;
    float toDeviceY(float twips) const;

    std::unique_ptr<QPaintDevice> m_device;
    std::vector<Step> m_steps; // the page, in drawing order
    QString m_fontName = QStringLiteral("Times New Roman");
    float m_fontSize = 12.0f;
    QFont m_font;
    QColor m_color = Qt::black;
    int m_lineWidth = 1;
    float m_x = 0;
    float m_y = 0;
    bool m_ended = false;
};

} // namespace media
