// What single records draw, checked on small metafiles written for the purpose.
#include "media/wmf/metafile.h"
#include "media/wmf/textdecoder.h"
#include "wmf/metafilebuilder.h"

#include <QFontDatabase>
#include <QPainter>
#include <gtest/gtest.h>

#include <functional>

namespace {

// Text parameters: the bytes padded to whole words, low byte first.
QVector<int> textWords(const QByteArray& text) {
    QVector<int> words;
    for (qsizetype i = 0; i < text.size(); i += 2)
        words.append(quint8(text[i]) | (i + 1 < text.size() ? quint8(text[i + 1]) << 8 : 0));
    return words;
}

MetafileBuilder& font(MetafileBuilder& b, int height, const QByteArray& face, int weight = 400) {
    return b.record(0x02FB, QVector<int>{height, 0, 0, 0, weight, 0, 0, 0, 0} +
                                textWords(face + QByteArray(1, '\0')));
}

MetafileBuilder& textOut(MetafileBuilder& b, int x, int y, const QByteArray& text) {
    return b.record(0x0521, QVector<int>{int(text.size())} + textWords(text) + QVector<int>{y, x});
}

QImage render(const MetafileBuilder& builder) {
    const auto result = wmf::Metafile::read(builder.bytes());
    if (!std::holds_alternative<wmf::Metafile>(result))
        return {};
    return std::get<wmf::Metafile>(result).toImage(96, Qt::white);
}

double darkShare(const QImage& image, const QRect& area) {
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            dark += qGray(image.pixel(x, y)) < 128;
    return double(dark) / (area.width() * area.height());
}

MetafileBuilder canvas() {
    return MetafileBuilder().placeable({0, 0, 100, 100}, 96).objects(8);
}

// An opaque shape leaves its background mode on the painter; transparent text drawn
// after it must not fill its glyph cells with the shape's background colour.
TEST(WmfText, TransparentTextAfterAnOpaqueShapeHasNoBackground) {
    MetafileBuilder b = canvas();
    b.record(0x0102, {2}).record(0x0201, {0, 0}).solidBrush(0xFFFFFF).select(0).nullPen().select(1);
    b.rectangle(0, 0, 5, 5).record(0x0102, {1});
    font(b, -20, "Arial").select(2);
    textOut(b, 10, 40, "IIII");
    const QImage image = render(b);
    ASSERT_FALSE(image.isNull());
    const double share = darkShare(image, QRect(10, 40, 40, 20));
    EXPECT_GT(share, 0.02);
    EXPECT_LT(share, 0.4);
}

// The pages' headings are bold Tahoma: bold must ink well beyond the regular face, even
// where the font database holds fonts-wine's bold Tahoma (as where fontconfig is set to
// scan Wine's fonts), whose strokes are no heavier than the regular's.
TEST(WmfText, BoldTahomaIsReallyBold) {
    QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/tahomabd.ttf"));
    double inked[2] = {};
    for (int weight : {400, 700}) {
        MetafileBuilder b = canvas();
        font(b, -16, "Tahoma", weight).select(0);
        textOut(b, 2, 40, "Manchester");
        const QImage image = render(b);
        ASSERT_FALSE(image.isNull());
        inked[weight == 700] = darkShare(image, QRect(0, 30, 100, 40));
    }
    EXPECT_GT(inked[1], 1.4 * inked[0]);
}

// A bold word within a line of regular text stands on the same baseline, its stand-in
// face placed by the ascent of the face it stands in for.
TEST(WmfText, BoldRunsShareTheLinesBaseline) {
    MetafileBuilder b = canvas();
    font(b, -16, "Tahoma", 400).select(0);
    font(b, -16, "Tahoma", 700).select(1);
    b.select(0);
    textOut(b, 2, 30, "HH");
    b.select(1);
    textOut(b, 50, 30, "HH");
    const QImage image = render(b);
    ASSERT_FALSE(image.isNull());
    auto lowestInk = [&](int left, int right) {
        int lowest = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = left; x < right; ++x)
                if (qGray(image.pixel(x, y)) < 128)
                    lowest = y;
        return lowest;
    };
    const int regular = lowestInk(0, 45), bold = lowestInk(50, 100);
    ASSERT_GT(regular, 30);
    EXPECT_NEAR(bold, regular, 1);
}

// A one-rectangle region, header with a 32-bit object count.
MetafileBuilder& region(MetafileBuilder& b, int left, int top, int right, int bottom) {
    return b.record(
        0x06FF, {0, 6, 0, 0, 34, 1, 4, left, top, right, bottom, 2, top, bottom, left, right, 2});
}

QRgb at(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

struct Drawn {
    const char* name;
    std::function<void(MetafileBuilder&)> records;
    QPoint inside, outside;
    QRgb insideColour, outsideColour;
    // Whether the drawing stands alone, not combined with what lay beneath.
    bool alone = true;
};

class WmfRecord : public ::testing::TestWithParam<Drawn> {};

TEST_P(WmfRecord, DrawsWhereItShould) {
    MetafileBuilder b = canvas();
    GetParam().records(b);
    const QImage image = render(b);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(at(image, GetParam().inside.x(), GetParam().inside.y()), GetParam().insideColour);
    EXPECT_EQ(at(image, GetParam().outside.x(), GetParam().outside.y()), GetParam().outsideColour);
    QImage again(100, 100, QImage::Format_ARGB32_Premultiplied);
    again.fill(Qt::transparent);
    QPainter painter(&again);
    const auto metafile = std::get<wmf::Metafile>(wmf::Metafile::read(b.bytes()));
    EXPECT_EQ(metafile.draw(painter, QRectF(again.rect())), GetParam().alone);
}

constexpr QRgb kBlack = 0x000000, kWhite = 0xFFFFFF, kRed = 0xFF0000;

// Slot 0: a red brush; slot 1: a region from (20, 20) to (80, 80).
void redBrushAndRegion(MetafileBuilder& b) {
    b.solidBrush(0xFF0000);
    region(b, 20, 20, 80, 80);
}

INSTANTIATE_TEST_SUITE_P(
    Records, WmfRecord,
    ::testing::Values(
        Drawn{"FillRegion",
              [](MetafileBuilder& b) {
                  redBrushAndRegion(b);
                  b.record(0x0228, {1, 0});
              },
              {50, 50},
              {10, 10},
              kRed,
              kWhite},
        Drawn{"PaintRegion",
              [](MetafileBuilder& b) {
                  redBrushAndRegion(b);
                  b.select(0).record(0x012B, {1});
              },
              {21, 79},
              {81, 50},
              kRed,
              kWhite},
        Drawn{"FrameRegionDrawsOnlyTheEdge",
              [](MetafileBuilder& b) {
                  redBrushAndRegion(b);
                  b.record(0x0429, {1, 0, 5, 5});
              },
              {22, 50},
              {50, 50},
              kRed,
              kWhite},
        Drawn{"InvertRegion",
              [](MetafileBuilder& b) {
                  redBrushAndRegion(b);
                  b.record(0x012A, {1});
              },
              {50, 50},
              {90, 90},
              kBlack,
              kWhite,
              false},
        Drawn{"ClipToRegion",
              [](MetafileBuilder& b) {
                  redBrushAndRegion(b);
                  b.select(0).nullPen().select(2).record(0x012C, {1}).rectangle(0, 0, 100, 100);
              },
              {50, 50},
              {10, 10},
              kRed,
              kWhite},
        // A region record too short to hold one makes no region: selecting its slot resets
        // the clip, as selecting an empty slot does.
        Drawn{"ShortRegionRecordResetsTheClip",
              [](MetafileBuilder& b) {
                  b.solidBrush(0xFF0000).select(0).nullPen().select(1);
                  b.record(0x06FF, {80, 80, 20, 20}).record(0x012C, {2}).rectangle(0, 0, 100, 100);
              },
              {50, 50},
              {10, 10},
              kRed,
              kRed},
        Drawn{"FloodFillStopsAtTheBorderColour",
              [](MetafileBuilder& b) {
                  b.record(0x02FC, {1, 0, 0, 0}).select(0).rectangle(20, 20, 80, 80);
                  b.solidBrush(0xFF0000).select(1).record(0x0419, {0, 0, 50, 50});
              },
              {50, 50},
              {10, 10},
              kRed,
              kWhite,
              false},
        Drawn{"ExtFloodFillFillsTheSurface",
              [](MetafileBuilder& b) {
                  b.record(0x02FC, {1, 0, 0, 0}).select(0).rectangle(20, 20, 80, 80);
                  b.solidBrush(0xFF0000).select(1).record(0x0548, {1, 0xFFFF, 0xFF, 10, 10});
              },
              {10, 10},
              {50, 50},
              kRed,
              kWhite,
              false},
        Drawn{"PatBltNopLeavesTheDestination",
              [](MetafileBuilder& b) {
                  b.solidBrush(0xFF0000).select(0).record(0x061D, {0x0029, 0x00AA, 60, 60, 20, 20});
              },
              {50, 50},
              {10, 10},
              kWhite,
              kWhite},
        Drawn{"PatBltPatCopy",
              [](MetafileBuilder& b) {
                  b.solidBrush(0xFF0000).select(0).record(0x061D, {0x0021, 0x00F0, 60, 60, 20, 20});
              },
              {50, 50},
              {10, 10},
              kRed,
              kWhite},
        Drawn{"PatBltDstInvert",
              [](MetafileBuilder& b) {
                  b.record(0x061D, {0x0009, 0x0055, 60, 60, 20, 20});
              },
              {50, 50},
              {10, 10},
              kBlack,
              kWhite,
              false},
        // A 2 x 1 Bitmap16 of 4 bits (indices 9 and 12: VGA red and blue) blitted over
        // 40 x 20 units: the source given in the destination's units is cut to the bitmap.
        Drawn{
            "BitBltOfAFourBitBitmap16",
            [](MetafileBuilder& b) {
                b.record(0x0922, {0x0020, 0x00CC, 0, 0, 20, 40, 20, 20, 0, 2, 1, 2, 0x0401, 0x9C});
            },
            {25, 30},
            {55, 30},
            kRed,
            0x0000FF},
        // SetDIBitsToDevice: a 1 x 1 24-bit DIB (one red pixel), scan 0 of 1.
        Drawn{"SetDibToDev",
              [](MetafileBuilder& b) {
                  b.record(0x0D33, {0,  1, 0, 0, 0, 40, 40, 20, 20, 40, 0, 1, 0, 1, 0,   1,
                                    24, 0, 0, 0, 0, 0,  0,  0,  0,  0,  0, 0, 0, 0, 0xFF});
              },
              {40, 40},
              {10, 10},
              kRed,
              kWhite}),
    [](const auto& info) { return std::string(info.param.name); });

struct Decoded {
    const char* name;
    QByteArray bytes;
    int charset;
    const char* face;
    QString text;
};

class WmfTextDecoder : public ::testing::TestWithParam<Decoded> {};

TEST_P(WmfTextDecoder, FollowsTheFontsCharacterSet) {
    const Decoded& d = GetParam();
    EXPECT_EQ(wmf::TextDecoder::decode(d.bytes, d.charset, QString::fromLatin1(d.face)), d.text);
}

INSTANTIATE_TEST_SUITE_P(
    Charsets, WmfTextDecoder,
    ::testing::Values(Decoded{"Ansi", "\xe9", 0, "Arial", QStringLiteral("\u00e9")},
                      Decoded{"SymbolSet", "a\xe9", 2, "Symbol", QStringLiteral("\u03b1\u23a1")},
                      // DEFAULT_CHARSET asks for Symbol's own set.
                      Decoded{"DefaultSetOfSymbol", "a\xe9", 1, "Symbol",
                              QStringLiteral("\u03b1\u23a1")},
                      Decoded{"DefaultSetOfArial", "\xe9", 1, "Arial", QStringLiteral("\u00e9")},
                      Decoded{"ShiftJis", "\x82\xa0", 128, "MS Gothic", QStringLiteral("\u3042")}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
