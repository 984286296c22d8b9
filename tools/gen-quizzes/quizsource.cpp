#include "quizsource.h"

#include "cp1252.h"

#include <QStringList>

#include <stdexcept>

namespace pw::gen {
namespace {

constexpr int kQuestions = 10;
// A teacher's title is kept to 25 characters by the wizard; 30 still fit the quiz screen.
constexpr int kTitleLimit = 30;
constexpr int kQuestionLimit = 60;
constexpr int kAnswerLimit = 30;
// The title is also the quiz file's name.
const QString kTitleForbidden = QStringLiteral("/\\,&:*?\"<>|");

class Parser {
public:
    explicit Parser(QString source) : m_source(std::move(source)) {}

    void line(const QString& raw, int number) {
        m_line = number;
        const QString t = raw.trimmed();
        if (t.isEmpty() || t.startsWith(QLatin1Char('#'))) {
            return;
        }
        if (t.startsWith(QLatin1String("title:"))) {
            m_quiz.title = checked(t.mid(6).trimmed(), kTitleLimit, "title");
            for (QChar c : m_quiz.title) {
                if (kTitleForbidden.contains(c)) {
                    fail(QStringLiteral("the title may not contain %1").arg(c));
                }
            }
        } else if (t.startsWith(QLatin1String("Q:"))) {
            closeQuestion();
            m_quiz.questions.push_back(
                {checked(t.mid(2).trimmed(), kQuestionLimit, "question"), {}, 0});
            m_answers = 0;
        } else if (t.startsWith(QLatin1String("* ")) || t.startsWith(QLatin1String("- "))) {
            answer(t);
        } else {
            fail(QStringLiteral("expected \"title:\", \"Q:\", \"* \" or \"- \""));
        }
    }

    QuizSource finish() {
        closeQuestion();
        if (m_quiz.title.isEmpty()) {
            fail(QStringLiteral("the quiz has no title"));
        }
        if (int(m_quiz.questions.size()) != kQuestions) {
            fail(QStringLiteral("%1 questions; a quiz has exactly %2")
                     .arg(m_quiz.questions.size())
                     .arg(kQuestions));
        }
        return m_quiz;
    }

private:
    void answer(const QString& t) {
        if (m_quiz.questions.empty() || m_answers == 4) {
            fail(QStringLiteral("an answer outside a question, or a fifth answer"));
        }
        QuizQuestion& q = m_quiz.questions.back();
        q.answers[size_t(m_answers)] = checked(t.mid(2).trimmed(), kAnswerLimit, "answer");
        ++m_answers;
        if (t.startsWith(QLatin1Char('*'))) {
            if (q.correct != 0) {
                fail(QStringLiteral("more than one correct answer"));
            }
            q.correct = m_answers;
        }
    }

    void closeQuestion() {
        if (m_quiz.questions.empty()) {
            return;
        }
        if (m_answers != 4) {
            fail(QStringLiteral("question \"%1\" needs four answers")
                     .arg(m_quiz.questions.back().text));
        }
        if (m_quiz.questions.back().correct == 0) {
            fail(QStringLiteral("question \"%1\" has no correct answer")
                     .arg(m_quiz.questions.back().text));
        }
    }

    QString checked(const QString& text, int limit, const char* what) const {
        if (text.isEmpty()) {
            fail(QStringLiteral("empty %1").arg(QLatin1String(what)));
        }
        if (text.size() > limit) {
            fail(QStringLiteral("%1 longer than %2 characters: %3")
                     .arg(QLatin1String(what))
                     .arg(limit)
                     .arg(text));
        }
        if (text.contains(QLatin1Char('&'))) {
            fail(QStringLiteral("\"&\" would read back as \",\": %1").arg(text));
        }
        try {
            toCp1252(text);
        } catch (const std::exception& e) {
            fail(QString::fromStdString(e.what()));
        }
        return text;
    }

    [[noreturn]] void fail(const QString& why) const {
        throw std::runtime_error(
            QStringLiteral("%1:%2: %3").arg(m_source).arg(m_line).arg(why).toStdString());
    }

    QString m_source;
    int m_line = 0;
    int m_answers = 0;
    QuizSource m_quiz;
};

void putLine(QByteArray& out, const QString& text) {
    QString encoded = text;
    encoded.replace(QLatin1Char(','), QLatin1Char('&'));
    out += toCp1252(encoded);
    out += "\r\n";
}

} // namespace

QuizSource parseQuiz(const QString& text, const QString& sourceName) {
    Parser parser(sourceName);
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        parser.line(lines[i], i + 1);
    }
    return parser.finish();
}

QByteArray quizFileBytes(const QuizSource& quiz) {
    QByteArray out;
    putLine(out, quiz.title);
    putLine(out, QStringLiteral(" "));
    for (const QuizQuestion& q : quiz.questions) {
        putLine(out, q.text);
        for (const QString& a : q.answers) {
            putLine(out, a);
        }
        putLine(out, QString::number(q.correct));
        putLine(out, QStringLiteral(" "));
    }
    return out;
}

QByteArray emptyRegisterBytes() {
    return QByteArrayLiteral(" 0 \r\n");
}

} // namespace pw::gen
