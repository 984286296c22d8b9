#include "media/print/painterprintjob.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QLineF>
#include <QPaintDevice>
#include <QPainter>

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
    if (!m_device) {
        throw PrinterError("no printer");
    }
    resolveFont();
}

PainterPrintJob::~PainterPrintJob() = default;

void PainterPrintJob::requireOpen() const {
    if (m_ended) {
        throw PrinterError("the document has already been sent to the printer");
    }
}

void PainterPrintJob::resolveFont() {
    QFont font(m_fontName);
    font.setPointSizeF(m_fontSize);
    const QString wanted = substitute(m_fontName);
    if (!wanted.isEmpty() &&
        QFontInfo(font).family().compare(m_fontName, Qt::CaseInsensitive) != 0) {
        font.setFamily(wanted);
    }
    m_font = QFont(font, m_device.get());
}

QPen PainterPrintJob::pen() const {
    const float widthTwips = m_lineWidth * kTwipsPerLineWidth;
    QPen pen(m_color, widthTwips * m_device->logicalDpiX() / kTwipsPerInch);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
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
    resolveFont();
}

void PainterPrintJob::setFontSize(float points) {
    requireOpen();
    if (!(points > 0)) {
        throw PrinterError("invalid font size");
    }
    m_fontSize = points;
    resolveFont();
}

void PainterPrintJob::setColor(int paletteIndex) {
    requireOpen();
    m_color = paletteColor(paletteIndex);
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
        const QPointF baseline(toDeviceX(m_x), toDeviceY(m_y) + metrics.ascent());
        m_steps.push_back([font = m_font, pen = pen(), baseline, text](QPainter& painter) {
            painter.setFont(font);
            painter.setPen(pen);
            painter.drawText(baseline, text);
        });
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
}

void PainterPrintJob::line(float x1, float y1, float x2, float y2) {
    requireOpen();
    const QLineF segment(toDeviceX(x1), toDeviceY(y1), toDeviceX(x2), toDeviceY(y2));
    m_steps.push_back([pen = pen(), segment](QPainter& painter) {
        painter.setPen(pen);
        painter.drawLine(segment);
    });
}

void PainterPrintJob::drawPicture(const forms::Picture& picture, float x, float y) {
    requireOpen();
    const QSizeF size = picture.sizeTwips();
    const QRectF target(toDeviceX(x), toDeviceY(y), toDeviceX(size.width()),
                        toDeviceY(size.height()));
    m_steps.push_back([picture, target](QPainter& painter) {
        painter.save();
        picture.draw(painter, target);
        painter.restore();
    });
}

void PainterPrintJob::endDoc() {
    requireOpen();
    m_ended = true;
    QPainter painter;
    if (!painter.begin(m_device.get())) {
        throw PrinterError("the printer could not start the document");
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const Step& step : m_steps) {
        step(painter);
    }
    m_steps.clear();
    if (!painter.end()) {
        throw PrinterError("the printer did not accept the document");
    }
    checkFinished();
}

} // namespace media
