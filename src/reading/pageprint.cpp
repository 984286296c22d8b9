#include "reading/pageprint.h"

#include "core/program.h"
#include "media/dialogs/dialogs.h"
#include "media/print/printservice.h"

namespace reading {

void printPage(Program& program, const forms::Picture& drawing) {
    try {
        std::unique_ptr<media::PrintJob> job = program.printer.begin();
        job->print(QString());
        job->drawPicture(drawing, 1000, 1000);
        job->endDoc();
    } catch (...) {
        // Any fault of the printer, not only PrinterError, must leave the page as it
        // was and the program running.
        program.dialogs.message(QStringLiteral("There was a problem printing to your printer."),
                                media::Buttons::Ok);
    }
}

} // namespace reading
