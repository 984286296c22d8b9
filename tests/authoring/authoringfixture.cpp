#include "authoringfixture.h"

#include "media/textfile/textfileerror.h"
#include "quiz/file/quizfile.h"
#include "shell/navigation.h"

#include <QApplication>
#include <QKeyEvent>
#include <array>

namespace authoringtest {

void FaultyFiles::writeChunk(QIODevice& out, QByteArrayView bytes) {
    if (linesWritten++ == failAtLine) {
        throw media::TextFileError("the disk is full");
    }
    TextFiles::writeChunk(out, bytes);
}

media::Answer ObservingDialogs::message(const QString& text, media::Buttons buttons,
                                        const QString& caption) {
    soundsBefore << int(m_played.size());
    return m_inner.message(text, buttons, caption);
}

AuthoringFixture::AuthoringFixture() {
    forms.setContext(&authoring);
    installMenus(authoring);
    // As the main menu leaves it.
    state.soundon = 1;
}

QStringList AuthoringFixture::shown(const worksheets& w) {
    QStringList captions;
    for (int i = 1; i <= worksheets::kPerPage; ++i) {
        if (w.Label2[i].Visible()) {
            captions << w.Label2[i].Caption();
        }
    }
    return captions;
}

void AuthoringFixture::type(QWidget& field, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&field, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&field, &release);
    }
}

QByteArray AuthoringFixture::registerBytes(const QStringList& titles) {
    QStringList lines{QStringLiteral(" %1 ").arg(titles.size())};
    return bytesOf(lines + titles);
}

void AuthoringFixture::writeRegister(const QStringList& titles) {
    writeFile(QStringLiteral("multiple/track.txt"), registerBytes(titles));
}

QStringList AuthoringFixture::worksheetLines(const QString& title) {
    std::array<QString, 10> questions;
    std::array<std::array<QString, 4>, 10> answers;
    std::array<int, 10> correct{};
    for (int q = 0; q < 10; ++q) {
        questions[q] = QStringLiteral("Question text %1").arg(q + 1);
        for (int k = 0; k < 4; ++k) {
            answers[q][k] = QStringLiteral("Answer %1 %2").arg(q + 1).arg(QChar('A' + k));
        }
        correct[q] = (q + 1) % 4 + 1;
    }
    return quizFileLines(title, questions, answers, correct);
}

void AuthoringFixture::writeWorksheet(const QString& title) {
    writeFile(quizFile(title), bytesOf(worksheetLines(title)));
}

QByteArray AuthoringFixture::bytesOf(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toLatin1() + "\r\n";
    }
    return bytes;
}

void AuthoringFixture::fill(wizard& w, const QString& title) {
    w.Text1.setText(title);
    for (int q = 0; q < 10; ++q) {
        w.Text2[q].setText(QStringLiteral("Question text %1").arg(q + 1));
        for (int k = 0; k < 4; ++k) {
            w.Text3[4 * q + k].setText(
                QStringLiteral("Answer %1 %2").arg(q + 1).arg(QChar('A' + k)));
            w.Check1[4 * q + k].setValue(k == (q + 1) % 4 ? 1 : 0);
        }
    }
}

} // namespace authoringtest
