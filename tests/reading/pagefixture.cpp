#include "reading/pagefixture.h"

#include <QBuffer>
#include <QImage>

namespace {

void put16(QByteArray& out, int value) {
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

void put32(QByteArray& out, quint32 value) {
    put16(out, int(value & 0xFFFF));
    put16(out, int(value >> 16));
}

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
    QByteArray head;
    put32(head, 0x9AC6CDD7);
    put16(head, 0);
    put16(head, 0);
    put16(head, 0);
    put16(head, twips.width());
    put16(head, twips.height());
    put16(head, 1440);
    put32(head, 0);
    quint16 checksum = 0;
    for (int i = 0; i < head.size(); i += 2) {
        checksum ^= quint16(quint8(head[i]) | (quint8(head[i + 1]) << 8));
    }
    put16(head, checksum);

    QByteArray records;
    put32(records, 7); // Rectangle: bottom, right, top, left
    put16(records, 0x041B);
    for (int v : {twips.height() - 10, twips.width() - 10, 10, 10}) {
        put16(records, v);
    }
    put32(records, 3); // end of file
    put16(records, 0);

    QByteArray meta;
    put16(meta, 1);
    put16(meta, 9);
    put16(meta, 0x0300);
    put32(meta, quint32((18 + records.size()) / 2));
    put16(meta, 0);
    put32(meta, 7);
    put16(meta, 0);
    return head + meta + records;
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
