// gen-pictures CONTENT_DIR DATA_DIR: draws the program's pictures into DATA_DIR/images, and the
// documentation previews into the docs folder beside DATA_DIR when it exists. The pictures
// come from the drawings below, from SVG files (CONTENT/PLACE/pictures/*.svg), from maps in
// latitude and longitude (CONTENT/PLACE/maps/*.json) and from maps drawn as polygons in
// picture pixels (CONTENT/PLACE/pictures/*.json).
#include "boroughmap.h"
#include "citypictures.h"
#include "contentfiles.h"
#include "geomap.h"
#include "industrypictures.h"
#include "mappicture.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

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

// A map drawn with a painter, in pixels.
class PainterCanvas : public pw::gen::MapCanvas {
public:
    explicit PainterCanvas(QPainter& p) : m_p(p) {}

    void polygon(const std::vector<QPointF>& points, const QColor& fill, std::optional<QColor> edge,
                 double edgeWidth) override {
        m_p.setPen(edge ? QPen(*edge, edgeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                        : QPen(Qt::NoPen));
        m_p.setBrush(fill);
        m_p.drawPolygon(points.data(), int(points.size()));
    }
    void polyline(const std::vector<QPointF>& points, const QColor& color, double width) override {
        m_p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        m_p.setBrush(Qt::NoBrush);
        m_p.drawPolyline(points.data(), int(points.size()));
    }
    void ellipse(const QPointF& centre, double r, const QColor& fill, const QColor& edge,
                 double edgeWidth) override {
        m_p.setPen(QPen(edge, edgeWidth));
        m_p.setBrush(fill);
        m_p.drawEllipse(centre, r, r);
    }
    void text(const QPointF& at, const QString& text, double height, bool bold, bool italic,
              const QColor& color) override {
        const QFont f = font(height, bold, italic);
        // A light halo keeps names readable over any fill.
        QPainterPath path;
        path.addText(at + QPointF(0, QFontMetricsF(f).ascent()), f, text);
        m_p.setPen(QPen(QColor(255, 255, 255, 200), height / 6, Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
        m_p.setBrush(Qt::NoBrush);
        m_p.drawPath(path);
        m_p.setPen(Qt::NoPen);
        m_p.setBrush(color);
        m_p.drawPath(path);
    }
    double textWidth(const QString& text, double height, bool bold, bool italic) const override {
        return QFontMetricsF(font(height, bold, italic)).horizontalAdvance(text);
    }

private:
    static QFont font(double height, bool bold, bool italic) {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(std::max(1, int(std::lround(height))));
        f.setBold(bold);
        f.setItalic(italic);
        return f;
    }
    QPainter& m_p;
};

QImage drawGeoMap(const pw::gen::GeoMap& map) {
    QImage image(map.pictureWidth, map.pictureHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    PainterCanvas canvas(p);
    const QRectF box(0, 0, image.width(), image.height());
    pw::gen::drawGeoMap(canvas, map, box, pw::gen::MapLook::picture(box.size()));
    return image;
}

// An SVG drawing at the size its width and height give, on white.
std::optional<QImage> drawSvg(const QString& path, QString* error) {
    QSvgRenderer svg(path);
    if (!svg.isValid()) {
        *error = path + QStringLiteral(": not a drawing Qt SVG can read");
        return std::nullopt;
    }
    const QSize size = svg.defaultSize();
    if (size.width() < 8 || size.height() < 8 || size.width() > 4000 || size.height() > 4000) {
        *error = path + QStringLiteral(": width and height must run from 8 to 4000 pixels");
        return std::nullopt;
    }
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    svg.render(&p);
    return image;
}

class Generator {
public:
    Generator(const QString& content, const QString& data) : m_content(content), m_data(data) {}

    bool run() {
        if (!m_data.mkpath(QStringLiteral("images"))) {
            return false;
        }
        for (const auto& picture : kPictures) {
            write(render(picture), QString::fromLatin1(picture.file));
        }
        pixelMaps();
        for (const QString& path : pw::gen::contentFiles(m_content, "pictures", "*.svg")) {
            QString error;
            if (const auto image = drawSvg(path, &error)) {
                write(*image, QFileInfo(path).completeBaseName() + QStringLiteral(".jpg"));
            } else {
                fault(error);
            }
        }
        for (const QString& path : pw::gen::contentFiles(m_content, "maps", "*.json")) {
            QString error;
            const auto map = pw::gen::loadGeoMap(path, &error);
            if (!map) {
                fault(error);
            } else if (!map->pictureFile.isEmpty()) {
                write(drawGeoMap(*map), map->pictureFile + QStringLiteral(".jpg"));
            }
        }
        titlePreview();
        return m_ok;
    }

private:
    void fault(const QString& error) {
        std::fprintf(stderr, "gen-pictures: %s\n", qPrintable(error));
        m_ok = false;
    }

    // Two sources must not make one picture.
    void write(const QImage& image, const QString& file) {
        if (m_written.contains(file.toLower())) {
            fault(QStringLiteral("two sources make images/%1").arg(file));
            return;
        }
        m_written << file.toLower();
        m_ok &= save(image, m_data.filePath(QStringLiteral("images/") + file), "jpeg");
    }

    // Maps drawn by hand as polygons in picture pixels, each naming its picture file and
    // optionally a documentation preview of its labelling screen.
    void pixelMaps() {
        for (const QString& path : pw::gen::contentFiles(m_content, "pictures", "*.json")) {
            QString error;
            const auto map = BoroughMap::load(path, &error);
            if (!map) {
                fault(path + QStringLiteral(": ") + error);
                continue;
            }
            const QImage image = mappicture::draw(*map);
            write(image, map->pictureFile());
            const QDir docs(m_data.filePath(QStringLiteral("../docs")));
            if (docs.exists() && !map->previewFile().isEmpty()) {
                m_ok &= save(mappicture::activityPreview(*map, image),
                             docs.filePath(map->previewFile()), "png");
            }
        }
    }

    // The title screen's picture as the title screen shows it, for the documentation.
    void titlePreview() {
        const QDir docs(m_data.filePath(QStringLiteral("../docs")));
        const QImage title(m_data.filePath(QStringLiteral("images/venicesm.jpg")));
        if (docs.exists() && !title.isNull()) {
            m_ok &= save(mappicture::titlePreview(title), docs.filePath("title.png"), "png");
        }
    }

    QString m_content;
    QDir m_data;
    QStringList m_written;
    bool m_ok = true;
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: gen-pictures CONTENT_DIR DATA_DIR\n");
        return 2;
    }
    return Generator(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2])).run() ? 0
                                                                                             : 1;
}
