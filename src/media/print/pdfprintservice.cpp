#include "media/print/pdfprintservice.h"

#include "media/print/painterprintjob.h"

#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

namespace media {
namespace {

class PdfJob final : public PainterPrintJob {
public:
    PdfJob(std::unique_ptr<QPdfWriter> writer, QString path)
        : PainterPrintJob(std::move(writer)), m_path(std::move(path)) {}

protected:
    void checkFinished() override {
        if (QFile(m_path).size() == 0) {
            throw PrinterError("the document could not be written");
        }
    }

private:
    QString m_path;
};

} // namespace

std::unique_ptr<PrintJob> PdfPrintService::begin() {
    // Like a printer that is switched off: refused at once, not after the page is drawn.
    const QFileInfo folder(QFileInfo(m_path).absolutePath());
    if (!folder.isDir() || !folder.isWritable()) {
        throw PrinterError("the PDF file cannot be written");
    }
    auto writer = std::make_unique<QPdfWriter>(m_path);
    writer->setResolution(kResolution);
    writer->setCreator(QStringLiteral("Placeworks"));
    const qreal marginPoints = kMarginTwips / 20.0;
    writer->setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Portrait,
        QMarginsF(marginPoints, marginPoints, marginPoints, marginPoints), QPageLayout::Point));
    return std::make_unique<PdfJob>(std::move(writer), m_path);
}

} // namespace media
