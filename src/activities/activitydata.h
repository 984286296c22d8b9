#pragma once

#include "activities/engine/engine.h"
#include "forms/label.h"
#include "forms/twips.h"

#include <QColor>
#include <QString>
#include <optional>
#include <vector>

// One item of an activity: the text that belongs in answer box i (which word label i
// carries once the screen has loaded), the box, and where word label i starts. A word
// label has the size of its box, so a label snapped into the box covers it exactly.
struct ActivityItem {
    QString word;
    forms::TwipRect box;
    float startLeft;
    float startTop;
};

// The static labels an activity may have: an array of names or sentence beginnings, and
// up to three single texts (instructions, a question).
enum class StaticLabel { Label5, Label7, Label8, Label9 };

struct StaticText {
    StaticLabel control;
    int index; // place in the Label5 array; unused for the single labels
    QString text;
    forms::TwipRect place;
    QColor color;
    forms::FontSpec font;
    forms::Align align;
};

// A picture of the Image1 array, stretched to its rectangle.
struct ActivityPicture {
    int index;
    QString file;
    forms::TwipRect place;
};

// Everything in which the four activity screens differ.
struct ActivityData {
    std::vector<ActivityItem> items; // the item count n is their number
    forms::FontSpec wordFont;
    forms::Align wordAlign;
    std::vector<ActivityPicture> pictures; // in the order they are loaded
    std::vector<StaticText> texts;
    std::optional<QColor> background; // set right after the dressing
    engine::Scoring scoring;
    forms::TwipRect titlePlace; // Label6, whose caption the opening menu sets
    forms::FontSpec titleFont;
    forms::Align titleAlign;
};

// Labelling: the borough map (n = 5) and the industry pictures (n = 4).
const ActivityData& boroughMapData();
const ActivityData& industryPicturesData();
// Ordering: sentence completion (n = 6) and true/false sorting (n = 10).
const ActivityData& sentenceCompletionData();
const ActivityData& trueFalseData();
