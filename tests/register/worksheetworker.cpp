// worksheetworker FOLDER NAME COUNT | worksheetworker FOLDER --hold: a program of its own
// that saves and removes worksheets in FOLDER with the program's save code, for the tests
// of several programs sharing one folder. Worker NAME saves COUNT worksheets "NAME-i" and
// removes every third one again; it prints the titles it left saved, one per line, then
// "busy N" (how often it had to try again). With --hold it takes the folder's lock,
// prints "held" and sleeps until it is killed.
#include "authoring/register/worksheetfolder.h"
#include "quiz/file/quizfile.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>
#include <set>

namespace {

QStringList quizLines(const QString& title) {
    std::array<QString, 10> questions;
    std::array<std::array<QString, 4>, 10> answers;
    std::array<int, 10> correct{};
    for (int q = 0; q < 10; ++q) {
        questions[q] = QStringLiteral("Question %1 of %2?").arg(q + 1).arg(title);
        answers[q] = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                      QStringLiteral("D")};
        correct[q] = q % 4 + 1;
    }
    return quizFileLines(title, questions, answers, correct);
}

// Tries again while another program holds the lock, as a teacher told to try again would.
template <class F> void patiently(F change, int& busy) {
    for (;;) {
        try {
            change();
            return;
        } catch (const reg::FolderBusy&) {
            ++busy;
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[2] == QLatin1String("--hold")) {
        const reg::FolderLock lock(args[1]);
        std::printf("held\n");
        std::fflush(stdout);
        QThread::sleep(3600);
        return 0;
    }
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: worksheetworker FOLDER NAME COUNT | FOLDER --hold\n");
        return 2;
    }
    const QString folder = args[1];
    media::TextFiles files;
    RegisterState state;
    std::set<QString> saved;
    int busy = 0;
    for (int i = 0; i < args[3].toInt(); ++i) {
        const QString title = QStringLiteral("%1-%2").arg(args[2]).arg(i);
        patiently([&] { reg::saveWorksheet(files, state, folder, title, quizLines(title)); }, busy);
        saved.insert(title);
        if (i % 3 == 2) {
            const QString gone = QStringLiteral("%1-%2").arg(args[2]).arg(i - 1);
            state.chosensheet = gone;
            patiently([&] { reg::removeWorksheet(files, state, folder); }, busy);
            saved.erase(gone);
        }
    }
    for (const QString& title : saved) {
        std::printf("%s\n", qPrintable(title));
    }
    std::printf("busy %d\n", busy);
    return 0;
}
