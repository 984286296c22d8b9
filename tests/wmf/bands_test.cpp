// A gradient as office suites write it: many thin bands side by side, each filled without
// a pen. Played at any scale the bands must meet without a gap, as GDI draws them.
#include "media/wmf/metafile.h"
#include "wmf/metafilebuilder.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

enum class Shape { Rectangle, Polygon };
enum class Units { Pixels, Twips, Anisotropic };

struct Bands {
    Shape shape;
    Units units;
    int band; // height of a band in logical units
    double scale;
};

constexpr int kCount = 24;  // bands
constexpr int kWidth = 200; // logical units

QRgb bandColour(int i) {
    return qRgb(255, 40 + 8 * i, 0);
}

// Logical units per pixel at 96 dpi, as the metafile is laid out.
double unitsPerPixel(Units units) {
    return units == Units::Twips ? 15.0 : units == Units::Anisotropic ? 2.0 : 1.0;
}

QByteArray gradient(const Bands& b) {
    const int height = kCount * b.band;
    MetafileBuilder m;
    m.objects(2);
    if (b.units == Units::Anisotropic) {
        // The window twice the placeable box: two logical units to a pixel.
        m.placeable(QRect(0, 0, kWidth / 2, height / 2), 96);
        m.mapMode(8).windowOrg(0, 0).windowExt(kWidth, height);
    } else {
        m.placeable(QRect(0, 0, kWidth, height), b.units == Units::Twips ? 1440 : 96);
        m.windowOrg(0, 0).windowExt(kWidth, height);
    }
    m.nullPen().select(0);
    for (int i = 0; i < kCount; ++i) {
        m.solidBrush(bandColour(i) & 0xFFFFFF).select(1);
        const int top = i * b.band, bottom = top + b.band;
        if (b.shape == Shape::Rectangle) {
            m.rectangle(0, top, kWidth, bottom);
        } else {
            m.record(0x0324, {4, 0, top, kWidth, top, kWidth, bottom, 0, bottom});
        }
        m.record(0x01F0, {1}); // DeleteObject
    }
    return m.bytes();
}

class GradientBands : public ::testing::TestWithParam<Bands> {};

TEST_P(GradientBands, MeetWithoutGapsAtAnyScale) {
    const Bands& b = GetParam();
    const auto read = wmf::Metafile::read(gradient(b));
    ASSERT_TRUE(std::holds_alternative<wmf::Metafile>(read));
    const wmf::Metafile& metafile = std::get<wmf::Metafile>(read);
    const double pixelsPerUnit = b.scale / unitsPerPixel(b.units);
    const QSize size(qRound(kWidth * pixelsPerUnit), qRound(kCount * b.band * pixelsPerUnit));
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black); // a gap shows black
    {
        QPainter painter(&image);
        metafile.draw(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    // Each row is the band that its pixel centres lie in, give or take the band beside
    // it where a boundary falls on a centre; nothing of the black beneath shows.
    int wrong = 0;
    for (int y = 0; y < size.height(); ++y) {
        const int expected = qBound(0, int((y + 0.5) / pixelsPerUnit / b.band), kCount - 1);
        for (int x = 0; x < size.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            bool near = false;
            for (int i = qMax(0, expected - 1); i <= qMin(kCount - 1, expected + 1); ++i) {
                near = near || c == bandColour(i);
            }
            wrong += near ? 0 : 1;
        }
    }
    EXPECT_EQ(wrong, 0) << "pixels of no band, or of a band out of place";
}

std::vector<Bands> cases() {
    std::vector<Bands> all;
    for (Shape shape : {Shape::Rectangle, Shape::Polygon}) {
        for (const auto& [units, band] :
             {std::pair{Units::Pixels, 1}, std::pair{Units::Pixels, 3}, std::pair{Units::Twips, 20},
              std::pair{Units::Twips, 7}, std::pair{Units::Anisotropic, 6}}) {
            for (double scale : {1.0, 1.28, 1.8, 3.6}) {
                all.push_back({shape, units, band, scale});
            }
        }
    }
    return all;
}

std::string caseName(const ::testing::TestParamInfo<Bands>& info) {
    const Bands& b = info.param;
    const char* units = b.units == Units::Pixels  ? "pixels"
                        : b.units == Units::Twips ? "twips"
                                                  : "anisotropic";
    return std::string(b.shape == Shape::Rectangle ? "rectangles" : "polygons") + "_" + units +
           "_band" + std::to_string(b.band) + "_scale" + std::to_string(int(b.scale * 100));
}

INSTANTIATE_TEST_SUITE_P(OfficeGradients, GradientBands, ::testing::ValuesIn(cases()), caseName);

} // namespace
