#pragma once

#include "forms/picture.h"

#include <QString>
#include <memory>
#include <stdexcept>

namespace media {

// Any failure of the printer: none available, or a fault while printing.
class PrinterError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One document on the printer: a page surface in twips from the top-left corner of
// the printable area, with a current font, colour, line width and print position. A
// new document starts at x = 0, y = 0. Every operation throws PrinterError on failure.
class PrintJob {
public:
    virtual ~PrintJob() = default;

    virtual void setFontName(const QString& name) = 0;
    virtual void setFontSize(float points) = 0;
    // An entry of the standard 16-colour palette (0 black, 1 blue, 9 light blue, 12 light red ...).
    virtual void setColor(int paletteIndex) = 0;
    virtual float pageWidth() = 0;  // printable width in twips
    virtual float pageHeight() = 0; // printable height in twips
    virtual void setX(float twips) = 0;
    virtual float textWidth(const QString& text) = 0; // in twips, current font
    // Draws text at (x, y). Ending the line: x := 0 and y moves down one line height of
    // the current font. Staying on the line: x moves to the end of the text.
    virtual void print(const QString& text, bool endLine = true) = 0;
    virtual void setLineWidth(int width) = 0;
    virtual void line(float x1, float y1, float x2, float y2) = 0;
    // Draws a picture with its top-left corner at (x, y), at its own size.
    virtual void drawPicture(const forms::Picture& picture, float x, float y) = 0;
    // Sends the page(s) to the printer. Without it nothing is printed.
    virtual void endDoc() = 0;
};

// Starts documents on the default printer.
class PrintService {
public:
    virtual ~PrintService() = default;
    // Throws PrinterError when there is no printer.
    virtual std::unique_ptr<PrintJob> begin() = 0;
};

// The standard 16-colour palette as red, green, blue.
QColor paletteColor(int index);

} // namespace media
