#pragma once

#include <QString>

namespace reading {

// The two drawings of one page: the screen drawing (folder wmf) and the print drawing
// (folder wmf2), under the same file name.
struct PageNames {
    QString screen;
    QString print;
};

// "Page 2 of 3": the page counter of both page viewers.
QString pageCounter(int page, int count);

// Page 1 to 4 of a notes page set with stem pageset ("key manchester2" page 2 is
// "key manchester2b.wmf", page 4 letter d). Any other page number gives empty names, which
// clear the images.
PageNames notesPage(const QString& pageset, int page);

// Page n (1 to 5) of the Teachers' Guide: guide1.wmf to guide5.wmf.
PageNames guidePage(int page);

// The drawings of a one-page set opened directly by its file stem ("manchester1").
PageNames singlePage(const QString& stem);

// Frame 0 to 19 of the logo animation: "logo\quil0000.gif" to "logo\quil0019.gif".
QString logoFrame(int frame);

} // namespace reading
