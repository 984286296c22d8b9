// gen-quizzes CONTENT_DIR DATA_DIR: writes every quiz of CONTENT_DIR/quizzes and of
// CONTENT_DIR/PLACE/quizzes as DATA_DIR/multiple/TITLE.txt, and the empty worksheet register
// DATA_DIR/multiple/track.txt.
#include "contentfiles.h"
#include "quizsource.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <cstdio>
#include <stdexcept>

namespace {

QByteArray readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        throw std::runtime_error("cannot read " + path.toStdString());
    }
    return f.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}

void generate(const QString& contentDir, const QString& dataDir) {
    const QStringList files = pw::gen::contentFiles(contentDir, "quizzes", "*.txt");
    if (files.isEmpty()) {
        throw std::runtime_error("no quiz sources in " + contentDir.toStdString());
    }
    const QDir out(QDir(dataDir).filePath(QStringLiteral("multiple")));
    if (!out.mkpath(QStringLiteral("."))) {
        throw std::runtime_error("cannot create " + out.path().toStdString());
    }
    QSet<QString> titles;
    for (const QString& file : files) {
        const pw::gen::QuizSource quiz =
            pw::gen::parseQuiz(QString::fromUtf8(readFile(file)), QFileInfo(file).fileName());
        if (titles.contains(quiz.title)) {
            throw std::runtime_error("two quizzes have the title " + quiz.title.toStdString());
        }
        titles.insert(quiz.title);
        writeFile(out.filePath(quiz.title + QStringLiteral(".txt")), pw::gen::quizFileBytes(quiz));
    }
    writeFile(out.filePath(QStringLiteral("track.txt")), pw::gen::emptyRegisterBytes());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: gen-quizzes CONTENT_DIR DATA_DIR\n");
        return 2;
    }
    try {
        generate(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "gen-quizzes: %s\n", e.what());
        return 1;
    }
    return 0;
}
