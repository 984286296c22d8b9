#pragma once

#include <QString>

namespace media {
class PrintJob;
} // namespace media

// What a certificate prints besides its fixed texts.
struct Certificate {
    QString subject;        // subject line of the last finished quiz; may be empty
    float subjectWidth = 0; // its width in twips in the results screen's default font
    QString name;           // the pupil's name as typed; may be empty
    QString scoreLine;      // "You have scored 10 out of 10."
};

// The band printed twice at the top and twice at the foot of a certificate.
QString wellDoneBand();

// Prints a one-page certificate onto an open job and ends the document: the rows of
// text top to bottom in "Times New Roman", then a frame of 32 black lines (five
// rectangles along the page edges, three boxes about the middle). The subject line is
// printed at 28 pt instead of 36 when it is wider than a quarter of the page. Any
// PrinterError passes to the caller, the document left unended.
void printCertificate(media::PrintJob& job, const Certificate& certificate);
