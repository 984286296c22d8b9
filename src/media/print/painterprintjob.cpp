#include "media/print/painterprintjob.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QPaintDevice>

namespace media {
namespace {

constexpr float kTwipsPerInch = 1440.0f;

// The faces the printed pages name, and their metric-compatible free equivalents, for
// systems whose font configuration does not map them itself.
QString substitute(const QString& name) {
    static const QHash<QString, QString> kEquivalents = {
        {QStringLiteral("times new roman"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("arial"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("courier new"), QStringLiteral("Liberation Mono")},
    };
    return kEquivalents.value(name.toLower());
}

} // namespace

PainterPrintJob::PainterPrintJob(std::unique_ptr<QPaintDevice> device)
    : m_device(std::move(device)) {
    if (!m_device || !m_painter.begin(m_device.get())) {
        throw PrinterError("the printer could not start the document");
    }
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setRenderHint(QPainter::TextAntialiasing);
    applyFont();
    applyPen();
}

PainterPrintJob::~PainterPrintJob() = default;

void PainterPrintJob::requireOpen() const {
    if (m_ended) {
        throw PrinterError("the document has already been sent to the printer");
    }
}

void PainterPrintJob::applyFont() {
    QFont font(m_fontName);
    font.setPointSizeF(m_fontSize);
    const QString wanted = substitute(m_fontName);
    if (!wanted.isEmpty() &&
        QFontInfo(font).family().compare(m_fontName, Qt::CaseInsensitive) != 0) {
        font.setFamily(wanted);
    }
    m_font = QFont(font, m_device.get());
    m_painter.setFont(m_font);
}

void PainterPrintJob::applyPen() {
    const float widthTwips = m_lineWidth * kTwipsPerLineWidth;
    QPen pen(m_color, widthTwips * m_device->logicalDpiX() / kTwipsPerInch);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    m_painter.setPen(pen);
}

QString PainterPrintJob::resolvedFamily() const {
    return QFontInfo(m_font).family();
}

float PainterPrintJob::toDeviceX(float twips) const {
    return twips * m_device->logicalDpiX() / kTwipsPerInch;
}

float PainterPrintJob::toDeviceY(float twips) const {
    return twips * m_device->logicalDpiY() / kTwipsPerInch;
}

void PainterPrintJob::setFontName(const QString& name) {
    requireOpen();
    m_fontName = name;
    applyFont();
}

void PainterPrintJob::setFontSize(float points) {
    requireOpen();
    if (!(points > 0)) {
        throw PrinterError("invalid font size");
    }
    m_fontSize = points;
    applyFont();
}

void PainterPrintJob::setColor(int paletteIndex) {
    requireOpen();
    m_color = paletteColor(paletteIndex);
    applyPen();
}

float PainterPrintJob::pageWidth() {
    requireOpen();
    return m_device->width() * kTwipsPerInch / m_device->logicalDpiX();
}

float PainterPrintJob::pageHeight() {
    requireOpen();
    return m_device->height() * kTwipsPerInch / m_device->logicalDpiY();
}

void PainterPrintJob::setX(float twips) {
    requireOpen();
    m_x = twips;
}

float PainterPrintJob::textWidth(const QString& text) {
    requireOpen();
    const QFontMetricsF metrics(m_font, m_device.get());
    return metrics.horizontalAdvance(text) * kTwipsPerInch / m_device->logicalDpiX();
}

void PainterPrintJob::print(const QString& text, bool endLine) {
    requireOpen();
    const QFontMetricsF metrics(m_font, m_device.get());
    if (!text.isEmpty()) {
        // (x, y) is the top of the line; Qt draws text on its baseline.
        m_painter.drawText(QPointF(toDeviceX(m_x), toDeviceY(m_y) + metrics.ascent()), text);
    }
    if (endLine) {
        m_x = 0;
        m_y += metrics.lineSpacing() * kTwipsPerInch / m_device->logicalDpiY();
    } else {
        m_x += textWidth(text);
    }
}

void PainterPrintJob::setLineWidth(int width) {
    requireOpen();
    m_lineWidth = qMax(1, width);
    applyPen();
}

void PainterPrintJob::line(float x1, float y1, float x2, float y2) {
    requireOpen();
    m_painter.drawLine(QPointF(toDeviceX(x1), toDeviceY(y1)),
                       QPointF(toDeviceX(x2), toDeviceY(y2)));
}

void PainterPrintJob::drawPicture(const forms::Picture& picture, float x, float y) {
    requireOpen();
    const QSizeF size = picture.sizeTwips();
    const QRectF target(toDeviceX(x), toDeviceY(y), toDeviceX(size.width()),
                        toDeviceY(size.height()));
    m_painter.save();
    picture.draw(m_painter, target);
    m_painter.restore();
}

void PainterPrintJob::abandon() {
    m_ended = true;
    if (m_painter.isActive()) {
        m_painter.end();
    }
}

void PainterPrintJob::endDoc() {
    requireOpen();
    m_ended = true;
    if (!m_painter.end()) {
        throw PrinterError("the printer did not accept the document");
    }
    checkFinished();
}

} // namespace media
