#pragma once

#include "forms/label.h"
#include "support/programfixture.h"

#include <QSize>

// A program whose page folders hold small drawings of known, distinct sizes, so that a
// test can tell which page, and which of its two drawings, a control or the printer got.
class PageFixture : public ProgramFixture {
protected:
    // A placeable metafile of the given size in twips: one rectangle.
    static QByteArray metafile(QSize twips);
    // Own sizes of the fixture drawings: page 1.. of a set, screen or print.
    static QSize screenSize(int page) { return {1000 + 100 * page, 500}; }
    static QSize printSize(int page) { return {3000 + 100 * page, 4000}; }

    // Empties wmf and wmf2 and writes pages 1..count of a set with the stem given
    // ("set" gives seta.wmf, setb.wmf ...), and the five guide pages.
    void writePages(const QString& stem, int count);
    void writeGuidePages();
    // Empties logo and writes the 20 animation frames, frame n being 10 + n pixels wide.
    void writeLogoFrames();

    static QSize sizeOf(const forms::Picture& p) { return p.sizeTwips().toSize(); }
    // The printer log of one page print of a drawing of that size.
    static QStringList printedPage(QSize printSize);
    static bool enabled(const forms::Label& l) { return l.Enabled(); }

    const QString kPrintProblem = QStringLiteral("There was a problem printing to your printer.");
};
