#pragma once

#include "media/print/printservice.h"

namespace media {

// Prints on the system's default printer through Qt (CUPS on Linux), at the printer's
// full resolution on its default paper. No printer, or none chosen as default, is an
// error: the pages are never diverted to a file.
class QtPrintService final : public PrintService {
public:
    std::unique_ptr<PrintJob> begin() override;
};

} // namespace media
