#include "fakes/fixedrandom.h"
#include "fakes/recordingprintservice.h"
#include "fakes/scripteddialogs.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

TEST(RecordingPrintService, LogsEachOperationReadably) {
    fakes::RecordingPrintService service;
    auto job = service.begin();
    job->setFontName("Times New Roman");
    job->setFontSize(36);
    job->setColor(12);
    job->setX((job->pageWidth() - job->textWidth("Placeworks")) / 2);
    job->print("Placeworks", false);
    job->print("");
    job->setLineWidth(2);
    job->line(45, 270, job->pageWidth() - 45, 270);
    QImage image(20, 10, QImage::Format_RGB32);
    job->drawPicture(forms::Picture::fromImage(image), 1000, 1000);
    job->endDoc();
    EXPECT_EQ(service.log,
              QStringList({"font Times New Roman", "size 36", "color 12", "x 4093",
                           "print 'Placeworks' stay", "print '' end", "linewidth 2",
                           "line 45,270,11141,270", "picture 300x150 1000,1000", "enddoc"}));
    EXPECT_EQ(service.jobsEnded, 1);
}

TEST(RecordingPrintService, TracksThePrintPosition) {
    fakes::RecordingPrintService service;
    auto job = service.begin();
    job->setFontSize(24);
    job->setX(100);
    job->print("abc", false);
    EXPECT_FLOAT_EQ(service.x, 700);
    job->print("d");
    EXPECT_FLOAT_EQ(service.x, 0);
    EXPECT_FLOAT_EQ(service.y, 24 * 23);
}

TEST(RecordingPrintService, FailsAtTheChosenOperationOrWithoutAPrinter) {
    fakes::RecordingPrintService service;
    service.failAtOperation = 3;
    auto job = service.begin();
    job->setFontSize(12);
    job->print("one");
    EXPECT_THROW(job->print("two"), media::PrinterError);
    EXPECT_EQ(service.log.join('|').toStdString(), "size 12|print 'one' end");
    service.noPrinter = true;
    EXPECT_THROW(service.begin(), media::PrinterError);
    EXPECT_EQ(service.jobsBegun, 1);
}

TEST(ScriptedDialogs, AnswersFromItsQueueThenOk) {
    fakes::ScriptedDialogs dialogs;
    dialogs.answers = {media::Answer::Cancel};
    EXPECT_EQ(dialogs.message("Delete?", media::Buttons::OkCancel, "Placeworks"),
              media::Answer::Cancel);
    EXPECT_EQ(dialogs.message("Saved", media::Buttons::Ok, ""), media::Answer::Ok);
    EXPECT_EQ(dialogs.texts().join('|').toStdString(), "Delete?|Saved");
    EXPECT_EQ(dialogs.shown[0].buttons, media::Buttons::OkCancel);
}

TEST(FixedRandom, ReturnsItsScriptThenRepeatsTheLastValue) {
    fakes::FixedRandom random({0.1, 0.95});
    EXPECT_EQ(random.next(), 0.1);
    EXPECT_EQ(random.next(), 0.95);
    EXPECT_EQ(random.next(), 0.95);
    random.reseed();
    EXPECT_EQ(random.reseeds, 1);
}

} // namespace
