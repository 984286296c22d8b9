#pragma once

#include "media/print/printservice.h"

#include <QString>

namespace media {

// Prints into a PDF file instead of a printer: A4 at 600 dpi with margins of a quarter
// inch all round, which is what an ordinary printer leaves unprinted. Each ended job
// replaces the file; a job destroyed without endDoc leaves it as it was.
class PdfPrintService final : public PrintService {
public:
    static constexpr int kResolution = 600;
    static constexpr float kMarginTwips = 360.0f;

    explicit PdfPrintService(QString path) : m_path(std::move(path)) {}
    std::unique_ptr<PrintJob> begin() override;

    const QString& path() const { return m_path; }

private:
    QString m_path;
};

} // namespace media
