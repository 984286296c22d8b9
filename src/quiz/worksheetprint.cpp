#include "quiz/worksheetprint.h"

#include "media/print/printservice.h"
#include "quiz/file/loadedquiz.h"
#include "quiz/quiztext.h"

namespace {

// Two answers on one line: the first at one third of the page, the second at two thirds.
void printAnswerPair(media::PrintJob& job, float page, const QString& first,
                     const QString& second) {
    job.setX(page * 2 / 6);
    job.print(first, false);
    job.setX(page * 4 / 6);
    job.print(second);
}

} // namespace

QString worksheetHeader() {
    return QStringLiteral("Placeworks") + QString(57, QLatin1Char(' ')) +
           QStringLiteral("Quillon Publishing Ltd");
}

void printWorksheet(media::PrintJob& job, const QString& subject, const QString& title,
                    const LoadedQuiz& quiz) {
    const QString space = QStringLiteral(" ");
    job.setFontName(QStringLiteral("Times New Roman"));
    job.setFontSize(16);
    job.setX(job.pageWidth() / 8);
    job.print(space);
    job.setX(job.pageWidth() / 16);
    job.print(worksheetHeader(), false);
    job.print(space);
    job.print(space);

    job.setFontSize(32);
    printCentred(job, subject);
    printCentred(job, title);
    job.print(space);

    job.setFontSize(12);
    for (int i = 1; i <= 10; ++i) {
        const float page = job.pageWidth();
        job.setX(page / 16);
        job.print(QStringLiteral("Question") + numberText(i) + QStringLiteral("    ") +
                  quiz.questions.at(i));
        printAnswerPair(job, page, QStringLiteral("A. ") + quiz.answer1.at(i),
                        QStringLiteral("B. ") + quiz.answer2.at(i));
        printAnswerPair(job, page, QStringLiteral("C. ") + quiz.answer3.at(i),
                        QStringLiteral("D. ") + quiz.answer4.at(i));
        job.print(space);
    }
    job.endDoc();
}
