// Where logical coordinates land: placeable frame, window extent, viewport, map modes.
#include "media/wmf/mapping.h"
#include "media/wmf/metafile.h"
#include "wmf/metafilebuilder.h"

#include <gtest/gtest.h>

namespace {

constexpr quint32 kRed = 0xFF0000;

wmf::Metafile readOrFail(const QByteArray& bytes) {
    auto result = wmf::Metafile::read(bytes);
    if (const auto* error = std::get_if<wmf::Error>(&result))
        ADD_FAILURE() << error->message.toStdString();
    return std::get<wmf::Metafile>(result);
}

// A metafile that fills one logical rectangle red, after the given mapping records.
QByteArray redRectangle(MetafileBuilder builder, QRect logical) {
    return builder.objects(2)
        .solidBrush(kRed)
        .select(0)
        .nullPen()
        .select(1)
        .rectangle(logical.left(), logical.top(), logical.right() + 1, logical.bottom() + 1)
        .bytes();
}

bool isRed(const QImage& image, int x, int y) {
    return image.pixel(x, y) == qRgb(255, 0, 0);
}

TEST(WmfSize, PlaceableHeaderGivesBoundingBoxOverUnitsPerInch) {
    const auto metafile =
        readOrFail(MetafileBuilder().placeable(QRect(-100, 50, 2880, 720), 1440).bytes());
    EXPECT_EQ(metafile.sizeTwips(), QSizeF(2880, 720));
    EXPECT_EQ(metafile.sizePixels(96), QSize(192, 48));
    EXPECT_TRUE(metafile.hasPlaceableHeader());
}

TEST(WmfSize, WithoutPlaceableHeaderTheWindowExtentCountsInPixels) {
    const auto metafile =
        readOrFail(MetafileBuilder().windowOrg(10, 10).windowExt(200, 100).bytes());
    EXPECT_EQ(metafile.sizePixels(96), QSize(200, 100));
    EXPECT_EQ(metafile.sizeTwips(), QSizeF(3000, 1500));
    EXPECT_FALSE(metafile.hasPlaceableHeader());
}

TEST(WmfSize, WithoutWindowTheDrawingIsTheFrame) {
    const auto metafile = readOrFail(MetafileBuilder().rectangle(20, 30, 60, 50).bytes());
    EXPECT_EQ(metafile.sizePixels(96), QSize(40, 20));
}

struct Placement {
    const char* name;
    MetafileBuilder mapping;
    QRect logical;
    QPoint inside, outside; ///< pixels of the 100 x 100 rendering
};

class WmfPlacement : public ::testing::TestWithParam<Placement> {};

TEST_P(WmfPlacement, RectangleLandsWhereTheMappingPutsIt) {
    const Placement& c = GetParam();
    const QImage image = readOrFail(redRectangle(c.mapping, c.logical)).toImage(96);
    ASSERT_EQ(image.size(), QSize(100, 100));
    EXPECT_TRUE(isRed(image, c.inside.x(), c.inside.y()));
    EXPECT_FALSE(isRed(image, c.outside.x(), c.outside.y()));
}

// Every frame is 100 x 100 pixels at 96 dpi.
MetafileBuilder frame() {
    return MetafileBuilder().placeable(QRect(0, 0, 1000, 1000), 960);
}

INSTANTIATE_TEST_SUITE_P(
    Mappings, WmfPlacement,
    ::testing::Values(
        Placement{"FrameUnitsWithoutWindow", frame(), {0, 0, 500, 500}, {20, 20}, {70, 70}},
        Placement{"WindowStretchedOntoFrame",
                  frame().windowOrg(0, 0).windowExt(10, 10),
                  {0, 0, 5, 5},
                  {20, 20},
                  {70, 70}},
        Placement{"WindowOriginShifts",
                  frame().windowOrg(-5, 0).windowExt(10, 10),
                  {0, 0, 5, 5},
                  {70, 20},
                  {20, 20}},
        Placement{"FlippedWindowPutsLowYAtBottom",
                  frame().windowOrg(0, 10).windowExt(10, -10),
                  {0, 0, 5, 5},
                  {20, 70},
                  {20, 20}},
        Placement{"ViewportOriginMovesInFrameUnits",
                  frame().windowExt(10, 10).record(0x020D, {500, 0}),
                  {0, 0, 5, 5},
                  {20, 70},
                  {20, 20}},
        Placement{"ScaledWindowExtentDoublesTheWindow",
                  frame().windowExt(5, 5).record(0x0410, {1, 2, 1, 2}),
                  {0, 0, 5, 5},
                  {20, 20},
                  {70, 70}},
        Placement{"TwipsRunUpwards", frame().mapMode(6), {0, -720, 720, 720}, {20, 20}, {90, 90}},
        Placement{"IsotropicKeepsTheAspect",
                  frame().mapMode(7).windowExt(10, 5),
                  {0, 0, 10, 5},
                  {50, 40},
                  {50, 60}},
        Placement{"BareFileStartsInTextMode",
                  MetafileBuilder().windowOrg(0, 0).windowExt(100, 100).record(0x020C, {50, 50}),
                  {0, 0, 50, 50},
                  {20, 20},
                  {70, 70}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WmfMapping, MetricModesUseTheFrameResolution) {
    wmf::Mapping mapping(QRectF(0, 0, 254, 254), 254, wmf::Mapping::Anisotropic);
    mapping.setMapMode(wmf::Mapping::HiMetric); // 0.01 mm: 2540 per inch
    EXPECT_EQ(mapping.toFrame().map(QPointF(2540, -1270)), QPointF(254, 127));
}

TEST(WmfMapping, ZeroExtentsAreIgnored) {
    wmf::Mapping mapping(QRectF(0, 0, 100, 100), 96, wmf::Mapping::Anisotropic);
    mapping.setWindowExt(QSizeF(50, 50));
    mapping.setWindowExt(QSizeF(0, 10));
    mapping.scaleWindowExt(1, 0, 1, 0);
    EXPECT_EQ(mapping.toFrame().map(QPointF(25, 25)), QPointF(50, 50));
}

} // namespace
