#include "reading/pagefixture.h"

#include "wmf/metafilebuilder.h"

#include <QBuffer>
#include <QImage>

namespace {

QByteArray png(int width) {
    QImage image(width, 12, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

QByteArray PageFixture::metafile(QSize twips) {
    const int w = twips.width();
    const int h = twips.height();
    return MetafileBuilder()
        .placeable(QRect(0, 0, w, h), 1440)
        .rectangle(10, 10, w - 10, h - 10)
        .bytes();
}

void PageFixture::writePages(const QString& stem, int count) {
    emptyFolder(QStringLiteral("wmf"));
    emptyFolder(QStringLiteral("wmf2"));
    for (int page = 1; page <= count; ++page) {
        const QString file = stem + QChar(u'a' + page - 1) + QStringLiteral(".wmf");
        writeFile(QStringLiteral("wmf/") + file, metafile(screenSize(page)));
        writeFile(QStringLiteral("wmf2/") + file, metafile(printSize(page)));
    }
}

void PageFixture::writeGuidePages() {
    for (int page = 1; page <= 5; ++page) {
        const QString file = QStringLiteral("guide%1.wmf").arg(page);
        writeFile(QStringLiteral("wmf/") + file, metafile(screenSize(page)));
        writeFile(QStringLiteral("wmf2/") + file, metafile(printSize(page)));
    }
}

void PageFixture::writeLogoFrames() {
    emptyFolder(QStringLiteral("logo"));
    for (int frame = 0; frame < 20; ++frame) {
        writeFile(QStringLiteral("logo/quil00%1.gif").arg(frame, 2, 10, QLatin1Char('0')),
                  png(10 + frame));
    }
    writeFile(QStringLiteral("logo/quillon2.bmp"), png(120));
}

QStringList PageFixture::printedPage(QSize printSize) {
    return {
        QStringLiteral("print '' end"),
        QStringLiteral("picture %1x%2 1000,1000").arg(printSize.width()).arg(printSize.height()),
        QStringLiteral("enddoc")};
}
