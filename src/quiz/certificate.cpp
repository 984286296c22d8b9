#include "quiz/certificate.h"

#include "media/print/printservice.h"
#include "quiz/quiztext.h"

namespace {

enum Palette { kBlack = 0, kBlue = 1, kLightBlue = 9, kLightRed = 12 };

void blankRows(media::PrintJob& job, int rows) {
    for (int i = 0; i < rows; ++i) {
        job.print(QString());
    }
}

void printBandTwice(media::PrintJob& job) {
    job.print(wellDoneBand(), false);
    job.print(wellDoneBand(), false);
}

void box(media::PrintJob& job, float left, float top, float right, float bottom) {
    job.line(left, top, right, top);
    job.line(left, top, left, bottom);
    job.line(right, top, right, bottom);
    job.line(left, bottom, right, bottom);
}

// Five rectangles 45 twips apart along the page edges; after each of the first three,
// a box about the middle of the page.
void printFrame(media::PrintJob& job) {
    const float w = job.pageWidth();
    const float h = job.pageHeight();
    job.setLineWidth(2);
    job.setColor(kBlack);
    for (int k = 1; k <= 5; ++k) {
        const float m = 45.0f * k;
        const float n = 225.0f + 45.0f * k;
        box(job, m, n, w - m, h - n);
        if (k <= 3) {
            box(job, m + 600, n + 7050, w - m - 600, h - n - 3750);
        }
    }
}

} // namespace

QString wellDoneBand() {
    return QStringLiteral("   Well Done      Well Done     Well Done     Well Done    ");
}

void printCertificate(media::PrintJob& job, const Certificate& c) {
    job.setFontName(QStringLiteral("Times New Roman"));
    job.setFontSize(25);
    job.setColor(kLightBlue);
    blankRows(job, 1);
    printBandTwice(job);
    job.print(QStringLiteral(" "));
    blankRows(job, 2);

    job.setFontSize(36);
    job.setColor(kLightRed);
    printCentred(job, QStringLiteral("Placeworks"));
    blankRows(job, 1);

    const float subjectSize = c.subjectWidth > job.pageWidth() / 4 ? 28.0f : 36.0f;
    job.setFontSize(subjectSize);
    job.setColor(kLightBlue);
    printCentred(job, c.subject);
    blankRows(job, 1);
    job.setFontSize(36);
    blankRows(job, 3);

    job.setFontSize(28);
    job.setColor(kBlue);
    printCentred(job, QStringLiteral("Excellent Work"));
    blankRows(job, 1);
    printCentred(job, c.name);
    blankRows(job, 1);
    printCentred(job, c.scoreLine);
    blankRows(job, 1);
    job.setFontSize(36);
    blankRows(job, 2);

    job.setFontSize(25);
    job.setColor(kLightBlue);
    blankRows(job, 1);
    job.setColor(kBlack);
    printBandTwice(job);

    printFrame(job);
    job.endDoc();
}
