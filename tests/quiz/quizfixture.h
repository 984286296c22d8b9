#pragma once

#include "quiz/multiple.h"
#include "quiz/welldone.h"
#include "quiz/wrong.h"
#include "support/programfixture.h"

#include <QStringList>
#include <array>

// The correct-answer line of each question, as a quiz file holds it.
using CorrectLines = std::array<QString, 10>;

// A quiz whose texts name their question ("Question text 3", "Answer 3C") and whose
// right answers are A, B, C, D, A, B, ... unless given.
CorrectLines standardCorrect();
// The 72 CRLF lines of a quiz file, as bytes.
QByteArray quizFileBytes(const QString& title, const CorrectLines& correct = standardCorrect());

class QuizFixture : public ProgramFixture {
protected:
    QuizFixture() { state.soundon = 1; }

    // Puts a quiz straight into the loaded quiz, as loadquiz would.
    void fillQuiz(const QString& title = QStringLiteral("Manchester Facts"),
                  const CorrectLines& correct = standardCorrect());
    // Opens the quiz screen as its openers do: picture and subject line, then show.
    multiple& openQuiz(const QString& subject = QStringLiteral("Placeworks"));
    // Picks answer k (1..4) with a real mouse click on its round button.
    void choose(multiple& quiz, int k);
    // Presses "Next" (or "Check Score") with a real mouse click at its place.
    void next(multiple& quiz);
    // Answers all ten questions: k for question q is answers[q - 1], 0 for none.
    void answerAll(multiple& quiz, const std::array<int, 10>& answers);
    // The right answer to question q (1..10) of the standard quiz.
    static int rightAnswer(int q) { return (q - 1) % 4 + 1; }

    // Opens the results screen as an activity does.
    Welldone& openResults(int score, int maxscore);
    // Lets the results screen's three timers run to the end.
    void runReward();

    // Operations in the printer log from the first "font" entry of the last job.
    QStringList lastJob() const;
};
