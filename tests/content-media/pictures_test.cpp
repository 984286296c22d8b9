// The pictures in data/images: present under the exact names the screens use, readable as JPEG,
// shaped for the boxes that show them, and real drawings rather than flat fills.
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <gtest/gtest.h>

namespace {

constexpr double kTwipsPerPixel = 15.0;

struct PictureBox {
    const char* file;
    double widthTwips, heightTwips;
    bool ownSize; // a picture box shows the picture unscaled, so it must match the box exactly
};

void PrintTo(const PictureBox& p, std::ostream* os) {
    *os << p.file;
}

const PictureBox kBoxes[] = {
    {"venicesm.jpg", 4800, 3600, true},    // title and results picture boxes
    {"Manchester.jpg", 9810, 6480, false}, // facts menu picture
    {"canalbig.jpg", 7395, 6960, false},   // development menu picture
    {"manchestersm.jpg", 855, 615, true},  // quiz screen picture box
    {"millsm.jpg", 855, 615, true},        // quiz screen picture box
    {"manchester map.jpg", 8640, 9000, false},
    {"railways.jpg", 5190, 2760, false},
    {"bank.jpg", 2685, 3660, false},
    {"canal.jpg", 3660, 3450, false},
    {"mill.jpg", 4365, 2160, false},
};

int distinctColours(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return int(colours.size());
}

class PictureTest : public ::testing::TestWithParam<PictureBox> {};

TEST_P(PictureTest, IsAJpegNamedExactlyAsTheScreenAsksForIt) {
    const QDir images(PW_DATA_DIR "/images");
    // The program folder may sit on a case-sensitive file system: the name must match exactly.
    EXPECT_TRUE(images.entryList(QDir::Files).contains(GetParam().file));
    QImageReader reader(images.filePath(GetParam().file));
    EXPECT_EQ(reader.format(), "jpeg");
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull()) << qPrintable(reader.errorString());
}

TEST_P(PictureTest, FitsItsBoxOnScreen) {
    const auto& box = GetParam();
    const QSize size = QImageReader(QString(PW_DATA_DIR "/images/") + box.file).size();
    const double boxW = box.widthTwips / kTwipsPerPixel, boxH = box.heightTwips / kTwipsPerPixel;
    if (box.ownSize) {
        EXPECT_EQ(size, QSize(qRound(boxW), qRound(boxH)));
        return;
    }
    // A stretched picture keeps the box's shape and is drawn at one to two times its size.
    EXPECT_NEAR(double(size.width()) / size.height(), boxW / boxH, 0.02 * boxW / boxH);
    EXPECT_GE(size.width(), boxW - 1);
    EXPECT_LE(size.width(), 2 * boxW + 1);
}

TEST_P(PictureTest, IsADrawingNotAFlatFill) {
    const QImage image(QString(PW_DATA_DIR "/images/") + GetParam().file);
    ASSERT_FALSE(image.isNull());
    const int minimum = image.width() * image.height() < 5000 ? 40 : 400;
    EXPECT_GE(distinctColours(image), minimum);
}

INSTANTIATE_TEST_SUITE_P(Images, PictureTest, ::testing::ValuesIn(kBoxes));

} // namespace
