// check-casestudies [DATA_DIR]: checks every case-study file of DATA_DIR/casestudies (default:
// the working directory's) and every file it names, as the program will use them, and prints
// each problem as "FILE: FIELD: what is wrong". Exits 1 when there is any problem.
#include "activities/engine/engine.h"
#include "core/casestudy/casestudyfile.h"
#include "media/textfile/programpath.h"
#include "media/textfile/textfiles.h"
#include "media/wmf/metafile.h"
#include "quiz/file/quizfile.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>

#include <array>
#include <cstdio>

namespace {

class Checker {
public:
    int run() {
        const QDir dir(QStringLiteral("casestudies"));
        const QStringList files =
            dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
        if (files.isEmpty()) {
            report(QStringLiteral("casestudies"), {}, QStringLiteral("no case-study files found"));
        }
        for (const QString& name : files) {
            checkFile(QStringLiteral("casestudies/") + name);
        }
        std::printf("%d case-study files checked, %d problems\n", int(files.size()), m_problems);
        return m_problems == 0 ? 0 : 1;
    }

private:
    void report(const QString& file, const QString& field, const QString& what) {
        ++m_problems;
        std::printf("%s: %s%s\n", qPrintable(file),
                    field.isEmpty() ? "" : qPrintable(field + QStringLiteral(": ")),
                    qPrintable(what));
    }

    void checkFile(const QString& path) {
        const QString id = QFileInfo(path).completeBaseName();
        if (!casestudy::isValidId(id)) {
            report(path, {}, QStringLiteral("the name may hold only letters, digits, - and _"));
            return;
        }
        QFile f(path);
        casestudy::Problem problem;
        const auto menu = f.open(QIODevice::ReadOnly) ? casestudy::parse(f.readAll(), id, &problem)
                                                      : std::nullopt;
        if (!menu) {
            report(path, problem.field, problem.what);
            return;
        }
        checkNamedFiles(path, *menu);
        checkQuiz(path, menu->quizFile);
        checkFullMarks(path, QStringLiteral("labelling"), menu->labelling);
        checkFullMarks(path, QStringLiteral("ordering"), menu->ordering);
    }

    void checkNamedFiles(const QString& path, const casestudy::Menu& menu) {
        for (const QString& name : menu.files()) {
            const QString on = media::programPath(name);
            if (!QFileInfo(on).isFile()) {
                report(path, name, QStringLiteral("the file is missing"));
            } else if (on.endsWith(QStringLiteral(".wmf"), Qt::CaseInsensitive)) {
                const auto read = wmf::Metafile::readFile(on);
                if (std::holds_alternative<wmf::Error>(read)) {
                    report(path, name, QStringLiteral("the page drawing cannot be read"));
                }
            } else if (!on.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive) &&
                       QImageReader(on).read().isNull()) {
                report(path, name, QStringLiteral("the picture cannot be read"));
            }
        }
    }

    // A quiz as the menu's "Multiple Choice" reads it: 72 lines, ten questions of four
    // answers and a correct digit 1 to 4, its title the file's name; and, as a quiz should,
    // the right answers spread over the four places (each used at least twice).
    void checkQuiz(const QString& path, const QString& quizFile) {
        LoadedQuiz quiz;
        try {
            media::TextFiles files;
            media::FieldReader reader = files.openForReading(quizFile);
            loadquiz(reader, quiz);
        } catch (const std::exception&) {
            report(path, quizFile, QStringLiteral("the quiz file is missing or too short"));
            return;
        }
        QString stem = QFileInfo(QString(quizFile).replace(QLatin1Char('\\'), QLatin1Char('/')))
                           .completeBaseName();
        if (quiz.quiztitle != stem) {
            report(
                path, quizFile,
                QStringLiteral("the quiz's title \"%1\" is not its file name").arg(quiz.quiztitle));
        }
        std::array<int, 5> used{};
        for (int q = 1; q <= kQuizQuestions; ++q) {
            const int c = quiz.correct[q].trimmed().toInt();
            const bool blank = quiz.questions[q].isEmpty() || quiz.answer1[q].isEmpty() ||
                               quiz.answer2[q].isEmpty() || quiz.answer3[q].isEmpty() ||
                               quiz.answer4[q].isEmpty();
            if (c < 1 || c > 4 || blank) {
                report(path, quizFile, QStringLiteral("question %1 is incomplete").arg(q));
                return;
            }
            ++used[size_t(c)];
        }
        for (int c = 1; c <= 4; ++c) {
            if (used[size_t(c)] < 2) {
                report(path, quizFile,
                       QStringLiteral("answer %1 is right only %2 times: spread the right answers "
                                      "over A to D, each at least twice")
                           .arg(QChar(u'A' + c - 1))
                           .arg(used[size_t(c)]));
            }
        }
    }

    // Every word on its own box is full marks, and the "Check Score" button appears.
    void checkFullMarks(const QString& path, const QString& field, const casestudy::Activity& a) {
        engine::Layout l;
        for (const casestudy::Item& it : a.items) {
            l.labels.push_back({it.box.left, it.box.top, it.box.width, it.box.height});
            l.boxes.push_back(l.labels.back());
            l.groups.push_back(it.group);
        }
        const int n = int(a.items.size());
        const auto rule = a.scoring == casestudy::Scoring::Index ? engine::Scoring::IndexMatch
                                                                 : engine::Scoring::Groups;
        if (engine::score(l, rule) != n || !engine::ready(l, n)) {
            report(path, field,
                   QStringLiteral("every word on its own box does not score full marks"));
        }
    }

    int m_problems = 0;
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    if (argc > 2) {
        std::fprintf(stderr, "usage: check-casestudies [DATA_DIR]\n");
        return 2;
    }
    if (argc == 2 && !QDir::setCurrent(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "check-casestudies: no folder %s\n", argv[1]);
        return 2;
    }
    return Checker().run();
}
