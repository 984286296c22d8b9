#include "media/print/qtprintservice.h"

#include <QPrinterInfo>
#include <gtest/gtest.h>

namespace {

// CTest runs this with CUPS pointed at a server that does not exist.
TEST(QtPrintService, NoDefaultPrinterIsAPrinterErrorNotAFile) {
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        GTEST_SKIP() << "this machine has a default printer";
    }
    media::QtPrintService service;
    try {
        service.begin();
        FAIL() << "a document was started without a printer";
    } catch (const media::PrinterError& e) {
        EXPECT_STREQ(e.what(), "no printer");
    }
}

} // namespace
