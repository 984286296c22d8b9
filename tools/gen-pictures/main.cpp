// gen-pictures CONTENT_DIR DATA_DIR: draws the program's pictures into DATA_DIR/images, and the
// documentation previews into the docs folder beside DATA_DIR when it exists.
#include "boroughmap.h"
#include "citypictures.h"
#include "industrypictures.h"
#include "mappicture.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>

#include <cstdio>
#include <functional>

namespace {

constexpr int kJpegQuality = 92;

struct Picture {
    const char* file;
    QSize size; // pixels: the screen box in twips / 15, so the picture shows without rescaling
    std::function<void(QPainter&, QSizeF)> draw;
    int oversample; // tiny icons are drawn larger and shrunk, which keeps their edges clean
};

const Picture kPictures[] = {
    {"venicesm.jpg", {320, 240}, citypictures::canalSideCity, 1},
    {"Manchester.jpg", {654, 432}, citypictures::skyline, 1},
    {"canalbig.jpg", {493, 464}, citypictures::canalAndMills, 1},
    {"manchestersm.jpg", {57, 41}, citypictures::cityIcon, 4},
    {"millsm.jpg", {57, 41}, citypictures::millIcon, 4},
    {"railways.jpg", {346, 184}, industrypictures::railways, 1},
    {"bank.jpg", {179, 244}, industrypictures::bank, 1},
    {"canal.jpg", {244, 230}, industrypictures::canal, 1},
    {"mill.jpg", {291, 144}, industrypictures::mill, 1},
};

QImage render(const Picture& picture) {
    const QSize big = picture.size * picture.oversample;
    QImage image(big, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    picture.draw(p, QSizeF(big));
    p.end();
    if (picture.oversample == 1)
        return image;
    return image.scaled(picture.size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool save(const QImage& image, const QString& path, const char* format) {
    QImageWriter writer(path, format);
    if (QByteArray(format) == "jpeg") {
        writer.setQuality(kJpegQuality);
        writer.setOptimizedWrite(true);
    }
    if (!writer.write(image)) {
        std::fprintf(stderr, "gen-pictures: %s: %s\n", qPrintable(path),
                     qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: gen-pictures CONTENT_DIR DATA_DIR\n");
        return 2;
    }
    const QDir content(QString::fromLocal8Bit(argv[1]));
    const QDir data(QString::fromLocal8Bit(argv[2]));
    QString error;
    const auto map = BoroughMap::load(content.filePath("pictures/borough-map.json"), &error);
    if (!map) {
        std::fprintf(stderr, "gen-pictures: borough map: %s\n", qPrintable(error));
        return 1;
    }
    if (!data.mkpath("images"))
        return 1;
    bool ok = true;
    for (const auto& picture : kPictures)
        ok &=
            save(render(picture), data.filePath(QStringLiteral("images/") + picture.file), "jpeg");
    const QImage mapImage = mappicture::draw(*map);
    ok &= save(mapImage, data.filePath("images/manchester map.jpg"), "jpeg");
    const QDir docs(data.filePath("../docs"));
    if (docs.exists()) {
        ok &= save(mappicture::activityPreview(*map, mapImage), docs.filePath("map.png"), "png");
        ok &=
            save(mappicture::titlePreview(render(kPictures[0])), docs.filePath("title.png"), "png");
    }
    return ok ? 0 : 1;
}
