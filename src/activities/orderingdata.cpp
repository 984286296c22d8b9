// The two text-only ordering screens: sentence endings, and true or false statements.
#include "activities/activitydata.h"

using forms::Align;
using forms::FontSpec;

namespace {

const QColor kYellow(255, 255, 0);
const QColor kGreen(0, 255, 0);
const QColor kLightCyan(128, 255, 255);

// A sentence beginning, right-aligned so that it ends 105 twips left of the boxes.
StaticText beginning(int index, const char* text, forms::TwipRect place) {
    return {StaticLabel::Label5,
            index,
            QString::fromUtf8(text),
            place,
            kYellow,
            FontSpec{QStringLiteral("Tahoma"), 14.25f, true},
            Align::Right};
}

ActivityData sentenceCompletion() {
    ActivityData d;
    const float w = 3795, h = 435, boxLeft = 7440;
    d.items = {
        {QStringLiteral("trams."), {boxLeft, 3690, w, h}, 120, 7320},
        {QStringLiteral("North West of England."), {boxLeft, 1530, w, h}, 7920, 7320},
        {QStringLiteral("the Irwell."), {boxLeft, 4410, w, h}, 4020, 6780},
        {QStringLiteral("97 miles long."), {boxLeft, 2970, w, h}, 4020, 7320},
        {QStringLiteral("Piccadilly."), {boxLeft, 2250, w, h}, 7920, 6780},
        {QStringLiteral("east of the city."), {boxLeft, 5130, w, h}, 120, 6780},
    };
    d.wordFont = FontSpec{QStringLiteral("Tahoma"), 12.75f, true};
    d.wordAlign = Align::Left;
    d.texts = {
        beginning(1, "Manchester is a large city in the", {0, 1560, 7335, 435}),
        beginning(2, "One of Manchester's Railway stations is called", {0, 2280, 7335, 495}),
        beginning(4, "The Cheshire Ring Canal System is", {240, 3000, 7095, 495}),
        beginning(0, "The city's Metrolink transport system uses", {1140, 3720, 6195, 435}),
        beginning(3, "The principal river of Manchester is", {0, 4440, 7335, 495}),
        beginning(5, "The Pennine hills are to the", {0, 5160, 7335, 495}),
        {StaticLabel::Label8,
         0,
         QStringLiteral("Complete the sentences below."),
         {5040, 120, 6585, 705},
         kGreen,
         FontSpec{QStringLiteral("Times New Roman"), 24},
         Align::Center},
        {StaticLabel::Label9,
         0,
         QStringLiteral("Drag the labels into the correct boxes."),
         {120, 7920, 2625, 585},
         kLightCyan,
         FontSpec{QStringLiteral("Tahoma"), 11.25f, true},
         Align::Center},
    };
    d.scoring = engine::Scoring::IndexMatch;
    d.titlePlace = {120, 120, 4545, 705};
    d.titleFont = FontSpec{QStringLiteral("Times New Roman"), 24, false};
    d.titleAlign = Align::Center;
    return d;
}

StaticText heading(int index, const char* text, forms::TwipRect place) {
    return {StaticLabel::Label5,
            index,
            QString::fromUtf8(text),
            place,
            kGreen,
            FontSpec{QStringLiteral("Times New Roman"), 20.25f},
            Align::Center};
}

// Statements 0 to 4 are false and belong in the right-hand column; 5 to 9 are true.
// Statements 4 and 6 are written with a typographic apostrophe (U+2019).
ActivityData trueFalse() {
    ActivityData d;
    const float w = 5685, h = 375, trueLeft = 120, falseLeft = 6120;
    d.items = {
        {QStringLiteral("Car manufacturing is a big industry in Manchester."),
         {falseLeft, 3000, w, h},
         120,
         6360},
        {QStringLiteral("Manchester has hosted the Olympic Games."),
         {falseLeft, 2400, w, h},
         120,
         7320},
        {QStringLiteral("Manchester was founded by the Tudors."),
         {falseLeft, 1800, w, h},
         6120,
         5400},
        {QStringLiteral("Manchester does not have any railways."),
         {falseLeft, 3600, w, h},
         120,
         5400},
        {QString::fromUtf8("All Manchester\u2019s mills have been destroyed."),
         {falseLeft, 4200, w, h},
         6120,
         5880},
        {QStringLiteral("The Roman name for Manchester was Mamuciam."),
         {trueLeft, 2400, w, h},
         6120,
         7320},
        {QString::fromUtf8("James Brindley built Manchester\u2019s first canal."),
         {trueLeft, 3000, w, h},
         120,
         5880},
        {QStringLiteral("Manchester held the 2002 Commonwealth Games."),
         {trueLeft, 3600, w, h},
         6120,
         6840},
        {QStringLiteral("Manchester was founded in Roman times."),
         {trueLeft, 1800, w, h},
         6120,
         6360},
        {QStringLiteral("The cotton industry was important in Manchester."),
         {trueLeft, 4200, w, h},
         120,
         6840},
    };
    d.wordFont = FontSpec{QStringLiteral("Tahoma"), 11.25f, true};
    d.wordAlign = Align::Center;
    d.texts = {
        heading(0, "True", {60, 1260, 5865, 435}),
        heading(2, "False", {6060, 1260, 5745, 435}),
        {StaticLabel::Label7,
         0,
         QStringLiteral("Which facts about Manchester are true and which are false?"),
         {6000, 0, 5745, 1305},
         kYellow,
         FontSpec{QStringLiteral("Times New Roman"), 24},
         Align::Center},
        {StaticLabel::Label8,
         0,
         QStringLiteral("Drag the labels into the correct boxes."),
         {120, 7860, 2505, 585},
         kLightCyan,
         FontSpec{QStringLiteral("Tahoma"), 12, true},
         Align::Left},
    };
    d.scoring = engine::Scoring::Groups;
    d.titlePlace = {60, 120, 6105, 1305};
    d.titleFont = FontSpec{QStringLiteral("Times New Roman"), 27.75f, false};
    d.titleAlign = Align::Left;
    return d;
}

} // namespace

const ActivityData& sentenceCompletionData() {
    static const ActivityData data = sentenceCompletion();
    return data;
}

const ActivityData& trueFalseData() {
    static const ActivityData data = trueFalse();
    return data;
}
