#pragma once

#include "media/textfile/fieldreader.h"
#include "quiz/file/loadedquiz.h"

#include <QString>
#include <QStringList>
#include <array>

// A quiz file is 72 lines: the title and a separator line (a single space), then for
// each of the ten questions its text, answers A to D, the correct-answer digit "1".."4"
// and a separator line. Texts are comma-encoded; the digit is not.

inline constexpr int kQuizQuestions = 10;
inline constexpr int kQuizFileLines = 72;

// Reads one quiz from an opened file into quiz, field by field in file order. Slots are
// not cleared first: a read that fails part way (a TextFileError from the reader, passed
// on) leaves the title and the slots read so far from the new file and the later slots
// from the previous quiz. Titles, questions and answers are comma-decoded; correct is
// stored as read. Lines after the 72nd are not read.
void loadquiz(media::FieldReader& file, LoadedQuiz& quiz);

// The 72 lines of a quiz file, comma-encoded, ready for TextFiles::replace. Index q of
// questions, answers and correctAnswer is question q + 1; correctAnswer holds 1..4 (A..D).
QStringList quizFileLines(const QString& title, const std::array<QString, 10>& questions,
                          const std::array<std::array<QString, 4>, 10>& answers,
                          const std::array<int, 10>& correctAnswer);
