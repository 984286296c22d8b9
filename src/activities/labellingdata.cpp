// The two labelling screens: names onto a map, names under pictures.
#include "activities/activitydata.h"

using forms::Align;
using forms::FontSpec;

namespace {

const QColor kYellow(255, 255, 0);
const QColor kBlack(0, 0, 0);

StaticText mapName(int index, const char* text, forms::TwipRect place, const QColor& color) {
    return {StaticLabel::Label5,
            index,
            QString::fromUtf8(text),
            place,
            color,
            FontSpec{QStringLiteral("Tahoma"), 12, true},
            Align::Left};
}

ActivityData boroughMap() {
    ActivityData d;
    d.items = {
        {QStringLiteral("Rochdale"), {7530, 1800, 1560, 375}, 840, 5880},
        {QStringLiteral("Stockport"), {8640, 5520, 1560, 375}, 840, 4920},
        {QStringLiteral("Wigan"), {4200, 3960, 1560, 375}, 840, 6360},
        {QStringLiteral("Manchester"), {7590, 4200, 1560, 375}, 840, 5400},
        {QStringLiteral("Oldham"), {8640, 2640, 1560, 375}, 840, 4440},
    };
    d.wordFont = FontSpec{QStringLiteral("Tahoma"), 11.25f, true};
    d.wordAlign = Align::Center;
    // The map reaches 360 twips above the top of the screen.
    d.pictures = {{0, QStringLiteral("Images\\manchester map.jpg"), {3240, -360, 8640, 9000}}};
    d.texts = {
        mapName(0, "Lancashire", {4320, 600, 1305, 285}, kYellow),
        mapName(1, "Cheshire", {6240, 7320, 1065, 285}, kYellow),
        mapName(2, "West Yorkshire", {9600, 480, 1860, 285}, kYellow),
        mapName(3, "Derbyshire", {10440, 5820, 1320, 285}, kYellow),
        mapName(4, "Trafford", {6480, 5640, 1005, 285}, kBlack),
        mapName(5, "Salford", {6480, 4200, 870, 285}, kBlack),
        mapName(6, "Tameside", {9120, 3840, 1185, 285}, kBlack),
        mapName(7, "Bury", {6720, 2760, 555, 285}, kBlack),
        mapName(8, "Bolton", {5160, 3000, 795, 285}, kBlack),
        {StaticLabel::Label7,
         0,
         QStringLiteral("Complete the labelling of the boroughs of Greater Manchester."),
         {120, 2280, 3105, 2025},
         kYellow,
         FontSpec{QStringLiteral("Times New Roman"), 18, true},
         Align::Center},
    };
    d.background = QColor(0, 51, 154);
    d.scoring = engine::Scoring::IndexMatch;
    d.titlePlace = {120, 120, 3360, 1545};
    d.titleFont = FontSpec{QStringLiteral("Times New Roman"), 27.75f, false};
    d.titleAlign = Align::Center;
    return d;
}

ActivityData industryPictures() {
    ActivityData d;
    d.items = {
        {QStringLiteral("Cotton Mills"), {8160, 6540, 2235, 375}, 960, 2880},
        {QStringLiteral("The Railways"), {8160, 3180, 2235, 375}, 3240, 2400},
        {QStringLiteral("The Canals"), {840, 7230, 2235, 375}, 3240, 2880},
        {QStringLiteral("Banking"), {4185, 7230, 2235, 375}, 960, 2400},
    };
    d.wordFont = FontSpec{QStringLiteral("Tahoma"), 11.25f, true};
    d.wordAlign = Align::Center;
    // Each answer box sits 60 twips below its picture.
    d.pictures = {
        {3, QStringLiteral("Images\\railways.jpg"), {6600, 360, 5190, 2760}},
        {1, QStringLiteral("Images\\bank.jpg"), {3960, 3510, 2685, 3660}},
        {2, QStringLiteral("Images\\canal.jpg"), {120, 3720, 3660, 3450}},
        {0, QStringLiteral("Images\\mill.jpg"), {7080, 4320, 4365, 2160}},
    };
    d.texts = {
        {StaticLabel::Label8,
         0,
         QStringLiteral("Label these illustrations of some of the industries that have been "
                        "important around Manchester."),
         {240, 960, 6000, 1425},
         kYellow,
         FontSpec{QStringLiteral("Times New Roman"), 20.25f},
         Align::Center},
        {StaticLabel::Label9,
         0,
         QStringLiteral("Drag the labels into the correct boxes."),
         {240, 7920, 2865, 705},
         kYellow,
         FontSpec{QStringLiteral("Tahoma"), 12, true},
         Align::Center},
    };
    d.scoring = engine::Scoring::IndexMatch;
    d.titlePlace = {120, 120, 5385, 705};
    d.titleFont = FontSpec{QStringLiteral("Times New Roman"), 24, false};
    d.titleAlign = Align::Left;
    return d;
}

} // namespace

const ActivityData& boroughMapData() {
    static const ActivityData data = boroughMap();
    return data;
}

const ActivityData& industryPicturesData() {
    static const ActivityData data = industryPictures();
    return data;
}
