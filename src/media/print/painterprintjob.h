#pragma once

#include "media/print/printservice.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <memory>

class QPaintDevice;

namespace media {

// A print job onto any paint device whose painter origin is the top-left corner of the
// printable area (a QPrinter that is not full-page, a QPdfWriter, an image in tests).
// Positions are kept in twips and turned into device units (twips x dpi / 1440) only when
// drawing, so fonts keep their point size at the device's own resolution.
class PainterPrintJob : public PrintJob {
public:
    // Line width 1 is one pixel of the 96-dpi screen the pages were designed on.
    static constexpr float kTwipsPerLineWidth = 15.0f;

    // Starts painting on device; throws PrinterError when the painter cannot start.
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
    void endDoc() override;

    float x() const { return m_x; }
    float y() const { return m_y; }
    // The face that the current font name resolved to.
    QString resolvedFamily() const;

protected:
    QPaintDevice& device() { return *m_device; }
    bool ended() const { return m_ended; }
    // Called after the painter has ended; throws PrinterError when the device failed.
    virtual void checkFinished() {}
    // Lets the device go without finishing the document (a run stopped by an error).
    void abandon();

private:
    void requireOpen() const;
    void applyFont();
    void applyPen();
    float toDeviceX(float twips) const;
    float toDeviceY(float twips) const;

    std::unique_ptr<QPaintDevice> m_device;
    QPainter m_painter; // after m_device: ends before the device goes
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
