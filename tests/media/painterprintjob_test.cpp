#include "media/print/painterprintjob.h"
#include "media/print/pdfprintservice.h"

#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// 144 dpi: ten twips to the pixel, so positions can be read off the image.
constexpr int kDpi = 144;

class ImageJob final : public media::PainterPrintJob {
public:
    ImageJob() : PainterPrintJob(blankPage()) {}
    const QImage& image() { return static_cast<QImage&>(device()); }

private:
    static std::unique_ptr<QImage> blankPage() {
        auto page = std::make_unique<QImage>(600, 800, QImage::Format_RGB32);
        page->setDotsPerMeterX(qRound(kDpi / 0.0254));
        page->setDotsPerMeterY(qRound(kDpi / 0.0254));
        page->fill(Qt::white);
        return page;
    }
};

bool isWhite(const QImage& image, int x, int y) {
    return image.pixel(x, y) == qRgb(255, 255, 255);
}

// The rows (in pixels) that hold anything but white.
std::pair<int, int> inkedRows(const QImage& image) {
    int first = -1;
    int last = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!isWhite(image, x, y)) {
                first = first < 0 ? y : first;
                last = y;
                break;
            }
        }
    }
    return {first, last};
}

std::pair<int, int> inkedColumns(const QImage& image, int fromRow, int toRow) {
    int first = -1;
    int last = -1;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = fromRow; y <= toRow; ++y) {
            if (!isWhite(image, x, y)) {
                first = first < 0 ? x : first;
                last = x;
                break;
            }
        }
    }
    return {first, last};
}

TEST(PainterPrintJob, PageIsTheDeviceAreaInTwips) {
    ImageJob job;
    EXPECT_FLOAT_EQ(job.pageWidth(), 6000);
    EXPECT_FLOAT_EQ(job.pageHeight(), 8000);
}

TEST(PainterPrintJob, EndingTheLineMovesDownOneLineHeightAndBackToTheLeft) {
    ImageJob job;
    job.setFontSize(12);
    job.setX(500);
    job.print("First");
    EXPECT_EQ(job.x(), 0);
    const float line12 = job.y();
    // A line is a little more than the font's size: 12 pt is 240 twips.
    EXPECT_GT(line12, 240);
    EXPECT_LT(line12, 340);
    job.setFontSize(24);
    job.print("");
    EXPECT_NEAR(job.y() - line12, 2 * line12, 0.05 * line12);
}

TEST(PainterPrintJob, StayingOnTheLineMovesRightByTheTextWidth) {
    ImageJob job;
    job.setX(300);
    const float width = job.textWidth("Well Done");
    job.print("Well Done", false);
    EXPECT_FLOAT_EQ(job.x(), 300 + width);
    EXPECT_EQ(job.y(), 0);
    job.print("", false);
    EXPECT_FLOAT_EQ(job.x(), 300 + width);
}

TEST(PainterPrintJob, TextWidthIsTheFontsAdvanceAtItsPointSize) {
    ImageJob job;
    job.setFontName("Times New Roman");
    job.setFontSize(36);
    // The same face measured on a 96-dpi screen, where one pixel is 15 twips.
    QFont screen(job.resolvedFamily());
    screen.setPixelSize(48); // 36 pt at 96 dpi
    const float expected = QFontMetricsF(screen).horizontalAdvance("Placeworks") * 15;
    EXPECT_NEAR(job.textWidth("Placeworks"), expected, 0.03 * expected);
    job.setFontSize(18);
    EXPECT_NEAR(job.textWidth("Placeworks"), expected / 2, 0.03 * expected);
}

TEST(PainterPrintJob, TimesNewRomanResolvesToASerifFaceWithItsMetrics) {
    ImageJob job;
    job.setFontName("Times New Roman");
    const QString family = job.resolvedFamily();
    EXPECT_TRUE(family == "Times New Roman" || family == "Liberation Serif")
        << family.toStdString();
}

TEST(PainterPrintJob, TextIsDrawnBelowTheTopOfItsLineStartingAtX) {
    ImageJob job;
    job.setFontSize(20);
    job.setX(1000);
    job.print("HHHH", false);
    const float afterFirst = job.x();
    job.print("HH");
    const float lineHeight = job.y();
    job.endDoc();
    const auto [top, bottom] = inkedRows(job.image());
    ASSERT_GE(top, 0);
    EXPECT_LE(bottom, lineHeight / 10);
    const auto [left, right] = inkedColumns(job.image(), top, bottom);
    EXPECT_NEAR(left, 100, 3);
    EXPECT_GT(right, afterFirst / 10); // the second text follows the first on its line
}

TEST(PainterPrintJob, LinesUseTheCurrentColourAndWidth) {
    ImageJob job;
    job.setColor(12);
    job.setLineWidth(2); // 30 twips: three pixels here
    job.line(1000, 2000, 3000, 2000);
    job.setColor(1);
    job.setLineWidth(1);
    job.line(4005, 1000, 4005, 3000); // centred on pixel 400, which it covers wholly
    job.endDoc();
    const QImage& image = job.image();
    // Three pixels wide about y = 200: rows 199 and 200 wholly, 198 and 201 half.
    EXPECT_EQ(image.pixel(200, 199), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(200, 200), qRgb(255, 0, 0));
    EXPECT_TRUE(isWhite(image, 200, 202));
    EXPECT_TRUE(isWhite(image, 200, 197));
    EXPECT_TRUE(isWhite(image, 310, 200)); // the line ends at x = 3000 twips
    EXPECT_EQ(QColor(image.pixel(400, 200)).blue(), 128);
    EXPECT_EQ(QColor(image.pixel(400, 200)).red(), 0);
}

TEST(PainterPrintJob, PictureIsDrawnAtItsOwnSizeWhereAsked) {
    QImage dot(10, 6, QImage::Format_RGB32); // 150 x 90 twips
    dot.fill(Qt::green);
    ImageJob job;
    job.drawPicture(forms::Picture::fromImage(dot), 1000, 1000);
    job.drawPicture(forms::Picture(), 0, 0); // a null picture draws nothing
    job.endDoc();
    const auto [top, bottom] = inkedRows(job.image());
    const auto [left, right] = inkedColumns(job.image(), top, bottom);
    EXPECT_EQ(top, 100);
    EXPECT_EQ(bottom, 108);
    EXPECT_EQ(left, 100);
    EXPECT_EQ(right, 114);
}

TEST(PainterPrintJob, NothingReachesTheDeviceBeforeTheDocumentEnds) {
    ImageJob job;
    job.print("HHHH");
    job.line(0, 1000, 3000, 1000);
    EXPECT_EQ(inkedRows(job.image()).first, -1);
    job.endDoc();
    EXPECT_GE(inkedRows(job.image()).first, 0);
}

TEST(PainterPrintJob, NothingIsAcceptedAfterTheDocumentHasEnded) {
    ImageJob job;
    job.endDoc();
    EXPECT_THROW(job.print("late"), media::PrinterError);
    EXPECT_THROW(job.line(0, 0, 1, 1), media::PrinterError);
    EXPECT_THROW(job.endDoc(), media::PrinterError);
}

class PdfPrinting : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path() const { return dir.filePath("page.pdf"); }
};

TEST_F(PdfPrinting, PageIsA4LessAQuarterInchAllRound) {
    media::PdfPrintService service(path());
    auto job = service.begin();
    EXPECT_NEAR(job->pageWidth(), 11906 - 720, 15);
    EXPECT_NEAR(job->pageHeight(), 16838 - 720, 15);
}

TEST_F(PdfPrinting, EndedDocumentIsAPdfFile) {
    media::PdfPrintService service(path());
    auto job = service.begin();
    job->setFontName("Times New Roman");
    job->setFontSize(36);
    job->setX((job->pageWidth() - job->textWidth("Placeworks")) / 2);
    job->print("Placeworks");
    job->setLineWidth(2);
    job->line(45, 270, job->pageWidth() - 45, 270);
    job->endDoc();
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");
}

// The page as a printer would put it on paper, rendered at 144 dpi (ten twips a pixel).
QImage renderPdf(const QString& pdf) {
    const QString prefix = pdf + "-page";
    QProcess::execute("pdftoppm", {"-r", "144", "-png", "-singlefile", pdf, prefix});
    return QImage(prefix + ".png").convertToFormat(QImage::Format_RGB32);
}

TEST_F(PdfPrinting, PositionsCountFromTheCornerOfThePrintableArea) {
    if (QStandardPaths::findExecutable("pdftoppm").isEmpty()) {
        GTEST_SKIP() << "pdftoppm is not installed";
    }
    QImage dot(10, 6, QImage::Format_RGB32); // 150 x 90 twips
    dot.fill(Qt::green);
    media::PdfPrintService service(path());
    auto job = service.begin();
    job->drawPicture(forms::Picture::fromImage(dot), 1000, 1000);
    job->endDoc();
    const QImage page = renderPdf(path());
    ASSERT_FALSE(page.isNull());
    // 1000 twips from the quarter-inch margin: 136 pixels from the paper's edge.
    const auto [top, bottom] = inkedRows(page);
    const auto [left, right] = inkedColumns(page, top, bottom);
    EXPECT_NEAR(top, 136, 1);
    EXPECT_NEAR(bottom, 144, 1);
    EXPECT_NEAR(left, 136, 1);
    EXPECT_NEAR(right, 150, 1);
}

TEST_F(PdfPrinting, DocumentStoppedByAnErrorLeavesNoFile) {
    media::PdfPrintService service(path());
    {
        auto job = service.begin();
        job->print("half a certificate");
    }
    EXPECT_FALSE(QFile::exists(path()));
}

TEST_F(PdfPrinting, DocumentStoppedByAnErrorLeavesTheLastPageAsItWas) {
    QFile old(path());
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the last page");
    old.close();
    media::PdfPrintService service(path());
    {
        auto job = service.begin();
        job->print("half a certificate");
    }
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "the last page");
}

TEST_F(PdfPrinting, UnwritablePlaceIsAPrinterError) {
    media::PdfPrintService service(dir.filePath("no/such/folder/page.pdf"));
    EXPECT_THROW(service.begin(), media::PrinterError);
}

} // namespace
