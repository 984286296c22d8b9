// Feeds arbitrary bytes to the quiz file reader as if they were a quiz file.
#include "media/textfile/codepage.h"
#include "media/textfile/textfileerror.h"
#include "quiz/file/quizfile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    // Every byte has a character, so any file survives being read and written back.
    if (media::encode1252(media::decode1252(bytes)) != bytes)
        std::abort();

    media::FieldReader file(bytes);
    LoadedQuiz quiz;
    try {
        loadquiz(file, quiz);
    } catch (const media::TextFileError&) {
        return 0;
    }
    // A quiz that loaded can be written out again in the 72-line format.
    std::array<QString, 10> questions;
    std::array<std::array<QString, 4>, 10> answers;
    std::array<int, 10> correct{};
    for (int q = 1; q <= 10; ++q) {
        questions[q - 1] = quiz.questions[q];
        answers[q - 1] = {quiz.answer1[q], quiz.answer2[q], quiz.answer3[q], quiz.answer4[q]};
        correct[q - 1] = quiz.correct[q].toInt();
    }
    if (quizFileLines(quiz.quiztitle, questions, answers, correct).size() != kQuizFileLines)
        std::abort();
    return 0;
}
