// The borough map's geometry against the labelling screen's design: every answer box and every
// name label must lie over its own borough or county, the boroughs must sit where they do on a
// real map, and the picture must let the labels' text be read.
#include "boroughmap.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>

namespace {

const QString kMapSource = PW_SOURCE_DIR "/content/manchester/pictures/borough-map.json";
const QString kMapPicture = PW_DATA_DIR "/images/manchester map.jpg";

// The labelling screen's answer boxes and map names (twips), with the colour of their text.
struct Overlay {
    const char* region;
    QRectF twips;
    enum { Answer, Yellow, Black } text;
};

void PrintTo(const Overlay& o, std::ostream* os) {
    *os << o.region;
}

const Overlay kOverlays[] = {
    {"Rochdale", {7530, 1800, 1560, 375}, Overlay::Answer},
    {"Stockport", {8640, 5520, 1560, 375}, Overlay::Answer},
    {"Wigan", {4200, 3960, 1560, 375}, Overlay::Answer},
    {"Manchester", {7590, 4200, 1560, 375}, Overlay::Answer},
    {"Oldham", {8640, 2640, 1560, 375}, Overlay::Answer},
    {"Lancashire", {4320, 600, 1305, 285}, Overlay::Yellow},
    {"Cheshire", {6240, 7320, 1065, 285}, Overlay::Yellow},
    {"West Yorkshire", {9600, 480, 1860, 285}, Overlay::Yellow},
    {"Derbyshire", {10440, 5820, 1320, 285}, Overlay::Yellow},
    {"Trafford", {6480, 5640, 1005, 285}, Overlay::Black},
    {"Salford", {6480, 4200, 870, 285}, Overlay::Black},
    {"Tameside", {9120, 3840, 1185, 285}, Overlay::Black},
    {"Bury", {6720, 2760, 555, 285}, Overlay::Black},
    {"Bolton", {5160, 3000, 795, 285}, Overlay::Black},
};

BoroughMap loadMap() {
    QString error;
    auto map = BoroughMap::load(kMapSource, &error);
    EXPECT_TRUE(map.has_value()) << qPrintable(error);
    return map.value_or(BoroughMap());
}

QPointF centroid(const QPolygonF& poly) {
    QPointF sum;
    for (const auto& p : poly)
        sum += p;
    return sum / poly.size();
}

// Relative luminance as used for text contrast.
double luminance(QColor c) {
    auto channel = [](double v) {
        v /= 255;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double contrast(QColor a, QColor b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor meanColour(const QImage& image, const QRect& r) {
    double red = 0, green = 0, blue = 0;
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x, ++n) {
            const QRgb p = image.pixel(x, y);
            red += qRed(p), green += qGreen(p), blue += qBlue(p);
        }
    return QColor(int(red / n), int(green / n), int(blue / n));
}

class OverlayTest : public ::testing::TestWithParam<Overlay> {};

TEST_P(OverlayTest, CentreLiesOverItsOwnRegionOnly) {
    const BoroughMap map = loadMap();
    const QPointF centre = map.toPixel(GetParam().twips.center(), map.imageSize());
    EXPECT_EQ(map.regionsAt(centre), QStringList{GetParam().region});
}

TEST_P(OverlayTest, WholeRectangleLiesOverItsRegion) {
    const BoroughMap map = loadMap();
    const MapRegion* region = map.region(GetParam().region);
    ASSERT_NE(region, nullptr);
    const QRectF r(map.toPixel(GetParam().twips.topLeft(), map.imageSize()),
                   map.toPixel(GetParam().twips.bottomRight(), map.imageSize()));
    // A pixel's grace at each corner, for the border line's own width.
    for (QPointF corner : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()}) {
        const QPointF inset = corner + (r.center() - corner) * (1.5 / (r.height() / 2));
        EXPECT_TRUE(region->outline.containsPoint(inset, Qt::OddEvenFill))
            << "corner " << corner.x() << "," << corner.y();
    }
}

TEST_P(OverlayTest, PictureUnderTheTextLetsItBeRead) {
    const BoroughMap map = loadMap();
    const QImage picture(kMapPicture);
    ASSERT_FALSE(picture.isNull());
    const QRectF r(map.toPixel(GetParam().twips.topLeft(), picture.size()),
                   map.toPixel(GetParam().twips.bottomRight(), picture.size()));
    const QColor under = meanColour(picture, r.toAlignedRect().intersected(picture.rect()));
    // An empty answer box is only a black border, which must show on the borough beneath.
    const QColor text = GetParam().text == Overlay::Yellow ? QColor(255, 255, 0) : QColor(0, 0, 0);
    EXPECT_GE(contrast(text, under), 4.5) << qPrintable(under.name());
}

INSTANTIATE_TEST_SUITE_P(Labelling, OverlayTest, ::testing::ValuesIn(kOverlays));

TEST(BoroughMap, HoldsTheTenBoroughsAndFourCounties) {
    const BoroughMap map = loadMap();
    QStringList boroughs, counties;
    for (const auto& r : map.regions())
        (r.kind == "borough" ? boroughs : counties) << r.name;
    boroughs.sort();
    counties.sort();
    EXPECT_EQ(boroughs, (QStringList{"Bolton", "Bury", "Manchester", "Oldham", "Rochdale",
                                     "Salford", "Stockport", "Tameside", "Trafford", "Wigan"}));
    EXPECT_EQ(counties, (QStringList{"Cheshire", "Derbyshire", "Lancashire", "West Yorkshire"}));
}

TEST(BoroughMap, RegionsCoverThePictureWithoutGapsOrOverlaps) {
    const BoroughMap map = loadMap();
    for (double y = 0.37; y < map.imageSize().height(); y += 4)
        for (double x = 0.61; x < map.imageSize().width(); x += 4)
            ASSERT_EQ(map.regionsAt({x, y}).size(), 1) << x << "," << y;
}

TEST(BoroughMap, PictureFillsTheScreenRectangle) {
    const BoroughMap map = loadMap();
    const QSize size(576, 600);
    EXPECT_EQ(map.toTwips({0, 0}, size), QPointF(3240, -360));
    EXPECT_EQ(map.toTwips({576, 600}, size), QPointF(3240 + 8640, -360 + 9000));
}

struct Bearing {
    const char* region;
    const char* from;
    int east;  // +1 east of, -1 west of, 0 either
    int south; // +1 south of, -1 north of, 0 either
};

void PrintTo(const Bearing& b, std::ostream* os) {
    *os << b.region << " from " << b.from;
}

const Bearing kBearings[] = {
    {"Rochdale", "Manchester", 1, -1}, {"Wigan", "Manchester", -1, 0},
    {"Stockport", "Manchester", 1, 1}, {"Trafford", "Manchester", -1, 1},
    {"Salford", "Manchester", -1, 0},  {"Bolton", "Manchester", -1, -1},
    {"Bury", "Manchester", 0, -1},     {"Oldham", "Manchester", 1, -1},
    {"Tameside", "Manchester", 1, 0},  {"Bolton", "Wigan", 1, -1},
    {"Oldham", "Rochdale", 1, 1},      {"Tameside", "Oldham", 0, 1},
    {"Lancashire", "Bolton", 0, -1},   {"Cheshire", "Trafford", 0, 1},
    {"Derbyshire", "Stockport", 1, 0}, {"West Yorkshire", "Rochdale", 1, -1},
};

class BearingTest : public ::testing::TestWithParam<Bearing> {};

TEST_P(BearingTest, LiesInTheRightDirection) {
    const BoroughMap map = loadMap();
    const MapRegion* a = map.region(GetParam().region);
    const MapRegion* b = map.region(GetParam().from);
    ASSERT_TRUE(a && b);
    const QPointF d = centroid(a->outline) - centroid(b->outline);
    if (GetParam().east)
        EXPECT_GT(d.x() * GetParam().east, 0);
    if (GetParam().south)
        EXPECT_GT(d.y() * GetParam().south, 0);
}

INSTANTIATE_TEST_SUITE_P(Compass, BearingTest, ::testing::ValuesIn(kBearings));

TEST(BoroughMap, ReportsAnOutlineThatNamesAnUnknownCorner) {
    QTemporaryDir dir;
    QFile file(dir.filePath("map.json"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({"image": {"width": 10, "height": 10},
                   "screen": {"left": 0, "top": 0, "width": 150, "height": 150},
                   "nodes": {"a": [1, 1], "b": [5, 1]},
                   "regions": [{"name": "X", "kind": "borough", "outline": ["a", "b", "c"]}]})");
    file.close();
    QString error;
    EXPECT_FALSE(BoroughMap::load(file.fileName(), &error).has_value());
    EXPECT_TRUE(error.contains("c")) << qPrintable(error);
}

} // namespace
