#include "media/pictures/filepictures.h"
#include "media/pictures/metafilepicture.h"
#include "tempfolder.h"

#include <QBuffer>
#include <QImage>
#include <gtest/gtest.h>

namespace {

QByteArray encoded(int w, int h, const char* format) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format)) << format;
    return bytes;
}

// A GIF of w x h pixels of colour 0, its LZW stream a clear code before every pixel so
// that the code size stays at 3 bits.
QByteArray gif(int w, int h) {
    QByteArray b("GIF89a");
    auto u16 = [&b](int v) { b.append(char(v & 0xFF)).append(char(v >> 8)); };
    u16(w), u16(h);
    b.append(char(0x80)).append('\0').append('\0'); // 2-colour global table
    b.append("\xFF\x00\x00\x00\x00\x00", 6);
    b.append(',');
    u16(0), u16(0), u16(w), u16(h);
    b.append('\0').append(char(2)); // no local table; LZW minimum code size 2
    QByteArray lzw;
    quint32 acc = 0;
    int bits = 0;
    auto code = [&](quint32 c) {
        acc |= c << bits;
        bits += 3;
        while (bits >= 8) {
            lzw.append(char(acc & 0xFF));
            acc >>= 8;
            bits -= 8;
        }
    };
    for (int i = 0; i < w * h; ++i) {
        code(4), code(0);
    }
    code(5);
    if (bits > 0) {
        lzw.append(char(acc & 0xFF));
    }
    for (qsizetype at = 0; at < lzw.size(); at += 255) {
        const QByteArray block = lzw.mid(at, 255);
        b.append(char(block.size())).append(block);
    }
    b.append('\0').append(';');
    return b;
}

struct RasterCase {
    const char* onDisk;
    const char* requested;
    QByteArray bytes;
    QSizeF twips;
};

class RasterPictures : public ::testing::TestWithParam<RasterCase> {};

TEST_P(RasterPictures, LoadAtFifteenTwipsPerPixelWhateverTheCaseOfTheName) {
    const RasterCase c = GetParam();
    TempFolder folder;
    TempFolder::write(c.onDisk, c.bytes);
    media::FilePictures pictures;
    QString error;
    const auto picture = pictures.load(c.requested, &error);
    ASSERT_TRUE(picture) << error.toStdString();
    ASSERT_FALSE(picture->isNull());
    EXPECT_EQ(picture->sizeTwips(), c.twips);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, RasterPictures,
    ::testing::Values(
        RasterCase{"images/venice.jpg", "Images\\VENICE.JPG", encoded(16, 8, "JPEG"), {240, 120}},
        RasterCase{"Images/Map.bmp", "images\\map.BMP", encoded(7, 5, "BMP"), {105, 75}},
        RasterCase{"images/anim.gif", "IMAGES\\Anim.Gif", gif(3, 2), {45, 30}},
        RasterCase{"logo/quillon2.bmp", "logo/quillon2.bmp", encoded(40, 30, "BMP"), {600, 450}},
        // The content decides: a PNG under a ".jpg" name still loads.
        RasterCase{"images/odd.jpg", "images\\odd.jpg", encoded(2, 3, "PNG"), {30, 45}}));

TEST(FilePictures, EmptyNameGivesANullPicture) {
    media::FilePictures pictures;
    const auto picture = pictures.load("");
    ASSERT_TRUE(picture);
    EXPECT_TRUE(picture->isNull());
}

TEST(FilePictures, MissingFileIsReportedByItsName) {
    TempFolder folder;
    media::FilePictures pictures;
    QString error;
    EXPECT_FALSE(pictures.load("images\\nothere.jpg", &error));
    EXPECT_EQ(error, "Cannot find the picture file images\\nothere.jpg.");
    QDir().mkpath("images/folder.jpg");
    EXPECT_FALSE(pictures.load("images\\folder.jpg", &error));
    EXPECT_EQ(error, "Cannot find the picture file images\\folder.jpg.");
}

TEST(FilePictures, UnreadableContentIsReportedWithoutAPicture) {
    TempFolder folder;
    TempFolder::write("images/broken.jpg", "this is not a picture");
    media::FilePictures pictures;
    QString error;
    EXPECT_FALSE(pictures.load("images\\broken.jpg", &error));
    EXPECT_TRUE(error.startsWith("Cannot read the picture file images\\broken.jpg"))
        << error.toStdString();
}

class PlaceholderSource final : public forms::PictureSource {
public:
    QSizeF sizeTwips() const override { return {1440, 720}; }
    void draw(QPainter&, const QRectF&) const override {}
};

TEST(FilePictures, MetafilesGoToTheVectorLoaderByNameOrByContent) {
    TempFolder folder;
    const QByteArray placeable("\xD7\xCD\xC6\x9A\x00\x00", 6);
    const QByteArray plainHeader("\x01\x00\x09\x00\x00\x03", 6);
    TempFolder::write("wmf2/guide1.WMF", "anything");
    TempFolder::write("wmf/page.dat", placeable + QByteArray(40, 0));
    TempFolder::write("wmf/plain.dat", plainHeader + QByteArray(40, 0));
    TempFolder::write("wmf/photo.dat", encoded(4, 4, "BMP"));
    QList<QByteArray> seen;
    media::FilePictures pictures([&seen](const QByteArray& bytes, QString*) {
        seen.append(bytes);
        return forms::Picture(std::make_shared<PlaceholderSource>());
    });
    for (const char* name : {"wmf2\\guide1.wmf", "wmf\\page.dat", "wmf\\plain.dat"}) {
        const auto picture = pictures.load(name);
        ASSERT_TRUE(picture) << name;
        EXPECT_EQ(picture->sizeTwips(), QSizeF(1440, 720)) << name;
    }
    ASSERT_TRUE(pictures.load("wmf\\photo.dat"));
    ASSERT_EQ(seen.size(), 3);
    EXPECT_EQ(seen[0], "anything");
    EXPECT_TRUE(seen[1].startsWith(placeable));
}

TEST(FilePictures, VectorLoaderFailureIsReportedWithItsReason) {
    TempFolder folder;
    TempFolder::write("wmf/bad.wmf", "xx");
    media::FilePictures pictures([](const QByteArray&, QString* error) {
        *error = "no META_EOF record";
        return std::optional<forms::Picture>();
    });
    QString error;
    EXPECT_FALSE(pictures.load("wmf\\bad.wmf", &error));
    EXPECT_EQ(error, "Cannot read the picture file wmf\\bad.wmf: no META_EOF record.");
}

TEST(FilePictures, OwnMetafileReaderGivesTheMetafilesOwnSize) {
    if (!media::metafilesSupported()) {
        GTEST_SKIP() << "built without the metafile reader";
    }
    QFile corpus(QStringLiteral(PW_CORPUS_DIR) + "/wmf/libwmf-ant.wmf");
    ASSERT_TRUE(corpus.open(QIODevice::ReadOnly));
    TempFolder folder;
    TempFolder::write("wmf/ant.wmf", corpus.readAll());
    media::FilePictures pictures;
    QString error;
    const auto picture = pictures.load("WMF\\Ant.wmf", &error);
    ASSERT_TRUE(picture) << error.toStdString();
    EXPECT_GT(picture->sizeTwips().width(), 0);
    EXPECT_GT(picture->sizeTwips().height(), 0);
}

TEST(FilePictures, WithoutTheReaderAMetafileIsRefusedNotMisread) {
    if (media::metafilesSupported()) {
        GTEST_SKIP() << "built with the metafile reader";
    }
    TempFolder folder;
    TempFolder::write("wmf/page.wmf", QByteArray("\xD7\xCD\xC6\x9A", 4) + QByteArray(60, 0));
    media::FilePictures pictures;
    QString error;
    EXPECT_FALSE(pictures.load("wmf\\page.wmf", &error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
