#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <vector>

namespace pw::gen {

struct QuizQuestion {
    QString text;
    std::array<QString, 4> answers;
    int correct = 0; // 1..4: the position of the correct answer among A..D
};

struct QuizSource {
    QString title;
    std::vector<QuizQuestion> questions;
};

/// Parses a quiz source (see content/quizzes/README.md) and checks it against what the
/// Multiple Choice Wizard can hold: ten questions, four answers each, exactly one marked
/// correct, title 25, question 60 and answer 30 characters, no "&" (it would read back
/// as ","), every character writable in Windows-1252. Throws std::runtime_error with
/// the source name and line on the first problem.
QuizSource parseQuiz(const QString& text, const QString& sourceName);

/// The quiz file's bytes: Windows-1252, every "," written as "&", CRLF after every line.
QByteArray quizFileBytes(const QuizSource& quiz);

/// The empty worksheet register: the count line for no titles.
QByteArray emptyRegisterBytes();

} // namespace pw::gen
