#include "quiz/file/quizfile.h"

#include "quiz/file/commaencoding.h"

namespace {

const QString kSeparator = QStringLiteral(" ");

} // namespace

void loadquiz(media::FieldReader& file, LoadedQuiz& quiz) {
    quiz.quiztitle = commaDecode(file.readField());
    file.readField();
    for (int q = 1; q <= kQuizQuestions; ++q) {
        for (std::array<QString, 11>* slot :
             {&quiz.questions, &quiz.answer1, &quiz.answer2, &quiz.answer3, &quiz.answer4})
            slot->at(q) = commaDecode(file.readField());
        quiz.correct.at(q) = file.readField();
        file.readField();
    }
}

QStringList quizFileLines(const QString& title, const std::array<QString, 10>& questions,
                          const std::array<std::array<QString, 4>, 10>& answers,
                          const std::array<int, 10>& correctAnswer) {
    QStringList lines;
    lines.reserve(kQuizFileLines);
    lines << commaEncode(title) << kSeparator;
    for (int q = 0; q < kQuizQuestions; ++q) {
        lines << commaEncode(questions[q]);
        for (const QString& answer : answers[q])
            lines << commaEncode(answer);
        lines << QString::number(correctAnswer[q]) << kSeparator;
    }
    return lines;
}
