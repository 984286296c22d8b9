#include "fakes/recordingprintservice.h"

namespace fakes {

QString RecordingPrintService::number(float value) {
    return QString::number(static_cast<double>(value), 'g', 9);
}

std::unique_ptr<media::PrintJob> RecordingPrintService::begin() {
    if (noPrinter) {
        throw media::PrinterError("no printer");
    }
    ++jobsBegun;
    operations = 0;
    x = 0;
    y = 0;
    fontSize = 12.0f;
    return std::make_unique<RecordingPrintJob>(*this);
}

void RecordingPrintJob::step() {
    ++m_service.operations;
    if (m_service.failAtOperation > 0 && m_service.operations == m_service.failAtOperation) {
        throw media::PrinterError("the printer reported a fault");
    }
}

void RecordingPrintJob::record(const QString& entry) {
    m_service.log.append(entry);
}

void RecordingPrintJob::setFontName(const QString& name) {
    step();
    record(QStringLiteral("font ") + name);
}

void RecordingPrintJob::setFontSize(float points) {
    step();
    m_service.fontSize = points;
    record(QStringLiteral("size ") + RecordingPrintService::number(points));
}

void RecordingPrintJob::setColor(int paletteIndex) {
    step();
    record(QStringLiteral("color %1").arg(paletteIndex));
}

float RecordingPrintJob::pageWidth() {
    step();
    if (m_service.recordQueries) {
        record(QStringLiteral("pagewidth"));
    }
    return RecordingPrintService::kPageWidth;
}

float RecordingPrintJob::pageHeight() {
    step();
    if (m_service.recordQueries) {
        record(QStringLiteral("pageheight"));
    }
    return RecordingPrintService::kPageHeight;
}

void RecordingPrintJob::setX(float twips) {
    step();
    m_service.x = twips;
    record(QStringLiteral("x ") + RecordingPrintService::number(twips));
}

float RecordingPrintJob::textWidth(const QString& text) {
    step();
    if (m_service.recordQueries) {
        record(QStringLiteral("textwidth '%1'").arg(text));
    }
    return RecordingPrintService::kTwipsPerCharAt12 * text.size() * m_service.fontSize / 12.0f;
}

void RecordingPrintJob::print(const QString& text, bool endLine) {
    step();
    record(QStringLiteral("print '%1' %2").arg(text, endLine ? "end" : "stay"));
    if (endLine) {
        m_service.x = 0;
        m_service.y += RecordingPrintService::kLineTwipsPerPoint * m_service.fontSize;
    } else {
        m_service.x +=
            RecordingPrintService::kTwipsPerCharAt12 * text.size() * m_service.fontSize / 12.0f;
    }
}

void RecordingPrintJob::setLineWidth(int width) {
    step();
    record(QStringLiteral("linewidth %1").arg(width));
}

void RecordingPrintJob::line(float x1, float y1, float x2, float y2) {
    step();
    using S = RecordingPrintService;
    record(QStringLiteral("line %1,%2,%3,%4")
               .arg(S::number(x1), S::number(y1), S::number(x2), S::number(y2)));
}

void RecordingPrintJob::drawPicture(const forms::Picture& picture, float x, float y) {
    step();
    QString tag;
    if (m_service.pictureTag) {
        tag = m_service.pictureTag(picture);
    } else if (picture.isNull()) {
        tag = QStringLiteral("null");
    } else {
        const QSizeF size = picture.sizeTwips();
        tag = RecordingPrintService::number(size.width()) + 'x' +
              RecordingPrintService::number(size.height());
    }
    m_service.pictures.append(picture);
    record(QStringLiteral("picture %1 %2,%3")
               .arg(tag, RecordingPrintService::number(x), RecordingPrintService::number(y)));
}

void RecordingPrintJob::endDoc() {
    step();
    ++m_service.jobsEnded;
    record(QStringLiteral("enddoc"));
}

} // namespace fakes
