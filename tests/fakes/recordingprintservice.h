#pragma once

#include "media/print/printservice.h"

#include <QList>
#include <QStringList>
#include <functional>

namespace fakes {

class RecordingPrintService;

// Records each operation as a line of text: "font Times New Roman", "size 36",
// "color 12", "x 1234.5", "print 'text' end" / "print 'text' stay", "linewidth 2",
// "line 45,270,11141,270", "picture 9000x12000 1000,1000", "enddoc". Queries (page size,
// text width) are recorded only when the service asks for it. Text is 100 twips wide per
// character at 12 pt, scaled with the size; a line is 23 twips high per point.
class RecordingPrintJob final : public media::PrintJob {
public:
    explicit RecordingPrintJob(RecordingPrintService& service) : m_service(service) {}

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

private:
    // Counts the operation and throws PrinterError when it is the one set to fail.
    void step();
    void record(const QString& entry);

    RecordingPrintService& m_service;
};

// Starts recording jobs. Everything they do lands in this object, which outlives them.
class RecordingPrintService final : public media::PrintService {
public:
    // A4 less a quarter inch all round, as the PDF service prints.
    static constexpr float kPageWidth = 11186.0f;
    static constexpr float kPageHeight = 16118.0f;
    static constexpr float kTwipsPerCharAt12 = 100.0f;
    static constexpr float kLineTwipsPerPoint = 23.0f;

    std::unique_ptr<media::PrintJob> begin() override;

    // Formats a number as the log does: up to 9 significant digits, no trailing zeros.
    static QString number(float value);

    // Settings -------------------------------------------------------------------------
    bool noPrinter = false;     // begin() throws PrinterError("no printer")
    int failAtOperation = 0;    // the Nth operation of a job (1-based) throws; 0: none
    bool recordQueries = false; // also log "pagewidth", "pageheight", "textwidth 'text'"
    // The tag of a picture in the log; by default its own size "WxH" in twips, or "null".
    std::function<QString(const forms::Picture&)> pictureTag;

    // Results --------------------------------------------------------------------------
    QStringList log;                // every job's operations, in order
    QList<forms::Picture> pictures; // the pictures drawn, in order
    int jobsBegun = 0;
    int jobsEnded = 0;
    int operations = 0; // operations of the current job
    float x = 0;        // print position of the current job
    float y = 0;
    float fontSize = 12.0f;
};

} // namespace fakes
