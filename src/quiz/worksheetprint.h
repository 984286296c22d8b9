#pragma once

#include <QString>

struct LoadedQuiz;
namespace media {
class PrintJob;
} // namespace media

// Prints a quiz as a paper worksheet onto an open job and ends the document: a header
// line, the subject line and title centred, then the ten questions, each with its four
// answers lettered A to D in two columns at one and two thirds of the page width. Any
// PrinterError passes to the caller, the document left unended.
void printWorksheet(media::PrintJob& job, const QString& subject, const QString& title,
                    const LoadedQuiz& quiz);

// The header line: the program's name and the publisher's, far apart.
QString worksheetHeader();
