#pragma once

#include "authoring/wizard.h"
#include "authoring/worksheets.h"
#include "media/textfile/textfiles.h"
#include "support/programfixture.h"

#include <QStringList>
#include <array>

namespace authoringtest {

// A twip rectangle as comparable values: Left, Top, Width, Height.
inline std::array<float, 4> box(const forms::TwipRect& r) {
    return {r.left, r.top, r.width, r.height};
}

const QString kClick = QStringLiteral("wav\\click.wav");

// Text files that can be made to fail part way through a write, as a full disk or a
// killed program would, after a given number of lines.
class FaultyFiles : public media::TextFiles {
public:
    int failAtLine = -1; // counted over all writes from 0; -1 never fails
    int linesWritten = 0;

protected:
    void writeChunk(QIODevice& out, QByteArrayView bytes) override;
};

// Message boxes that note how many sounds had been played when each was shown, so a
// test can tell whether the click came after the message.
class ObservingDialogs : public media::Dialogs {
public:
    ObservingDialogs(media::Dialogs& inner, const QStringList& played)
        : m_inner(inner), m_played(played) {}
    media::Answer message(const QString& text, media::Buttons buttons,
                          const QString& caption) override;
    QList<int> soundsBefore;

private:
    media::Dialogs& m_inner;
    const QStringList& m_played;
};

// A program whose text files can fail and whose messages are observed.
class AuthoringFixture : public ProgramFixture {
protected:
    AuthoringFixture();

    // The register with these titles, as the program writes it.
    static QByteArray registerBytes(const QStringList& titles);
    void writeRegister(const QStringList& titles);
    QByteArray registerFile() const { return readFile(QStringLiteral("multiple/track.txt")); }

    // A complete worksheet: question n reads "Question text n", its answers "Answer n X",
    // and answer (n mod 4) is ticked.
    static QStringList worksheetLines(const QString& title);
    void writeWorksheet(const QString& title);
    static QByteArray bytesOf(const QStringList& lines);
    void fill(wizard& w, const QString& title);
    // The captions of the catalogue's visible title labels, in index order.
    static QStringList shown(const worksheets& w);
    // Types text into a field key by key, any character included.
    static void type(QWidget& field, const QString& text);
    QString quizFile(const QString& title) const {
        return QStringLiteral("multiple/") + title + QStringLiteral(".txt");
    }

    FaultyFiles faultyFiles;
    ObservingDialogs observed{dialogs, sound.played};
    Program authoring{state,   forms,       sound,
                      printer, observed,    pictures,
                      random,  faultyFiles, [this] { ended = true; }};
};

} // namespace authoringtest
