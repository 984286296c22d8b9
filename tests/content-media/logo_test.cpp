// The maker's logo bitmap and the twenty frames of the logo animation in data/logo.
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QtEndian>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kFrames = 20;
const QColor kBackground(49, 135, 214);

QString framePath(int i) {
    return QStringLiteral(PW_DATA_DIR "/logo/quil%1.gif").arg(i, 4, 10, QLatin1Char('0'));
}

// Mean difference per channel between two frames, 0..255.
double difference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

TEST(Logo, IsA24BitBitmapOfTheLogoBoxSize) {
    const QString path = PW_DATA_DIR "/logo/quillon2.bmp";
    QImageReader reader(path);
    EXPECT_EQ(reader.format(), "bmp");
    EXPECT_EQ(reader.size(), QSize(120, 89)); // 1800 x 1335 twips
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(30);
    ASSERT_EQ(header.size(), 30);
    EXPECT_EQ(qFromLittleEndian<quint16>(header.constData() + 28), 24);
}

TEST(LogoAnimation, EveryFrameIsAGifOnTheViewersBackground) {
    for (int i = 0; i < kFrames; ++i) {
        SCOPED_TRACE(framePath(i).toStdString());
        QImageReader reader(framePath(i));
        EXPECT_EQ(reader.format(), "gif");
        const QImage frame = reader.read();
        ASSERT_FALSE(frame.isNull()) << qPrintable(reader.errorString());
        ASSERT_EQ(frame.size(), QSize(120, 120)); // 1800 x 1800 twips
        for (QPoint corner : {QPoint(0, 0), QPoint(119, 0), QPoint(0, 119), QPoint(119, 119)})
            EXPECT_EQ(QColor(frame.pixel(corner)), kBackground);
    }
}

TEST(LogoAnimation, MovesEvenlyRoundTheLoopInTheViewersOrder) {
    // The viewer shows 1, 2, ..., 19, 0, 1, ...: the step from 19 back to 0 must look like
    // any other step, and no step may stand still.
    std::vector<QImage> frames;
    for (int i = 0; i < kFrames; ++i)
        frames.push_back(QImage(framePath(i)).convertToFormat(QImage::Format_RGB32));
    std::vector<double> steps;
    for (int i = 0; i < kFrames; ++i)
        steps.push_back(difference(frames[i], frames[(i + 1) % kFrames]));
    const auto [low, high] = std::minmax_element(steps.begin(), steps.end());
    EXPECT_GT(*low, 0.2);
    EXPECT_LT(*high / *low, 3.0);
    EXPECT_LT(steps.back(), 2.0 * (*low + *high) / 2);
}

} // namespace
