#include "media/print/qtprintservice.h"

#include "media/print/painterprintjob.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace media {
namespace {

class PrinterJob final : public PainterPrintJob {
public:
    explicit PrinterJob(std::unique_ptr<QPrinter> printer) : PainterPrintJob(std::move(printer)) {}

protected:
    void checkFinished() override {
        if (printer().printerState() == QPrinter::Error) {
            throw PrinterError("the printer reported a fault");
        }
    }

private:
    QPrinter& printer() { return static_cast<QPrinter&>(device()); }
};

} // namespace

std::unique_ptr<PrintJob> QtPrintService::begin() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        throw PrinterError("no printer");
    }
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::NativeFormat);
    printer->setFullPage(false);
    printer->setDocName(QStringLiteral("Placeworks"));
    if (!printer->isValid()) {
        throw PrinterError("the default printer cannot be used");
    }
    return std::make_unique<PrinterJob>(std::move(printer));
}

} // namespace media
