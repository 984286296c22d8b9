#pragma once

#include "forms/twips.h"

#include <QString>

struct Program;

// What one case-study menu shows and opens. The facts menu and the development menu
// of a case study are one screen design fed with one of these; a further case study
// is a further pair of rows.
struct CaseStudy {
    QString title;              // Label1 caption
    forms::TwipRect titlePlace; // Label1 place
    forms::TwipRect pictureBox; // Image1 design box (centred across the screen at load)
    QString picture;            // Image1 picture
    float keyFactsLeft;         // label3(4) left; top 120
    QString keyPageset;         // pageset of the key-fact pages
    int keyPagecount;           // their number
    QString notesPageset;       // pageset of the one-page teacher's notes
    QString quizFile;           // opened by "Multiple Choice"
    QString quizPicture;        // the quiz screen's small picture
    // The activity screens of this menu: set the title and show the screen.
    void (*openLabelling)(Program&, const QString& title);
    void (*openOrdering)(Program&, const QString& title);
};

extern const CaseStudy kManchesterFacts;
extern const CaseStudy kManchesterDevelopment;
