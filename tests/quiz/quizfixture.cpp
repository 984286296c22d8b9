#include "quiz/quizfixture.h"

CorrectLines standardCorrect() {
    CorrectLines c;
    for (int q = 1; q <= 10; ++q) {
        c[q - 1] = QString::number((q - 1) % 4 + 1);
    }
    return c;
}

QByteArray quizFileBytes(const QString& title, const CorrectLines& correct) {
    QStringList lines{title, QStringLiteral(" ")};
    for (int q = 1; q <= 10; ++q) {
        lines << QStringLiteral("Question text %1").arg(q);
        for (const char* letter : {"A", "B", "C", "D"}) {
            lines << QStringLiteral("Answer %1%2").arg(q).arg(QLatin1String(letter));
        }
        lines << correct[q - 1] << QStringLiteral(" ");
    }
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1();
}

void QuizFixture::fillQuiz(const QString& title, const CorrectLines& correct) {
    state.quiztitle = title;
    for (int q = 1; q <= 10; ++q) {
        state.questions[q] = QStringLiteral("Question text %1").arg(q);
        state.answer1[q] = QStringLiteral("Answer %1A").arg(q);
        state.answer2[q] = QStringLiteral("Answer %1B").arg(q);
        state.answer3[q] = QStringLiteral("Answer %1C").arg(q);
        state.answer4[q] = QStringLiteral("Answer %1D").arg(q);
        state.correct[q] = correct[q - 1];
    }
}

multiple& QuizFixture::openQuiz(const QString& subject) {
    multiple& quiz = forms.get<multiple>();
    program.loadPicture(quiz.Picture1, QStringLiteral("images\\manchestersm.jpg"));
    quiz.Label5.setCaption(subject);
    return forms.show<multiple>();
}

void QuizFixture::choose(multiple& quiz, int k) {
    // At the display position of the round button, so that whatever lies on top there
    // takes the click: the option's box is far wider than its caption.
    const forms::OptionButton& option = quiz.Option1[k];
    clickAt(quiz.Left() + option.Left() + 120, quiz.Top() + option.Top() + option.Height() / 2);
}

void QuizFixture::next(multiple& quiz) {
    const forms::Label& button = quiz.Label3[1];
    clickAt(quiz.Left() + button.Left() + button.Width() / 2,
            quiz.Top() + button.Top() + button.Height() / 2);
}

void QuizFixture::answerAll(multiple& quiz, const std::array<int, 10>& answers) {
    for (int q = 1; q <= 10; ++q) {
        if (answers[q - 1] != 0) {
            choose(quiz, answers[q - 1]);
        }
        next(quiz);
    }
}

Welldone& QuizFixture::openResults(int score, int maxscore) {
    state.score = score;
    state.maxscore = maxscore;
    return forms.show<Welldone>();
}

void QuizFixture::runReward() {
    for (int i = 0; i < 20 && random.reseeds == 0; ++i) {
        settle(15);
    }
    settle(5);
}

QStringList QuizFixture::lastJob() const {
    const qsizetype from = printer.log.lastIndexOf(QStringLiteral("font Times New Roman"));
    return from < 0 ? QStringList() : printer.log.mid(from);
}
