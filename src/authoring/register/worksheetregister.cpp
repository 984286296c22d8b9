#include "authoring/register/worksheetregister.h"

#include "media/textfile/textfileerror.h"
#include "quiz/file/commaencoding.h"

namespace reg {
namespace {

enum class Decoding { AsStored, Comma };

void checkSlot(int i) {
    if (i > RegisterState::kMaxTitles)
        throw media::TextFileError("the worksheet register holds more than 1000 titles");
}

// Reads the count into worksheetcount, then that many titles into slots 1..N. Stops with
// the exception of the failing read, keeping what was read so far.
void readRegister(media::FieldReader& file, RegisterState& state, Decoding decoding) {
    state.worksheetcount = file.readNumber();
    for (int i = 1; i <= *state.worksheetcount; ++i) {
        checkSlot(i);
        const QString title = file.readField();
        state.worksheetnames.at(i) = decoding == Decoding::Comma ? commaDecode(title) : title;
    }
}

void readQuietly(media::TextFiles& files, RegisterState& state, Decoding decoding,
                 const QString& folder) {
    try {
        media::FieldReader file = files.openForReading(registerPath(folder));
        readRegister(file, state, decoding);
    } catch (const std::exception&) {
        // The readers of the list show whatever could be read; there is no one to tell.
    }
}

} // namespace

QString registerPath(const QString& folder) {
    return folder + QStringLiteral("/track.txt");
}

void startupRead(media::TextFiles& files, RegisterState& state, const QString& folder) {
    readQuietly(files, state, Decoding::AsStored, folder);
}

void catalogueRead(media::TextFiles& files, RegisterState& state, const QString& folder) {
    readQuietly(files, state, Decoding::Comma, folder);
}

QStringList registerLines(int count, const RegisterState& state) {
    QStringList lines;
    lines.reserve(count + 1);
    lines << QStringLiteral(" %1 ").arg(count);
    for (int i = 1; i <= count; ++i)
        lines << state.worksheetnames.at(i);
    return lines;
}

void trackworksheets(media::TextFiles& files, RegisterState& state, const QString& title,
                     const QString& folder) {
    const QString path = registerPath(folder);
    // A register that is not there yet is an empty one: the first save creates it.
    if (files.exists(path)) {
        media::FieldReader file = files.openForReading(path);
        readRegister(file, state, Decoding::AsStored);
    } else {
        state.worksheetcount = 0;
    }
    const int count = *state.worksheetcount;
    for (int i = 1; i <= count; ++i) {
        if (state.worksheetnames.at(i) == title)
            return;
    }
    checkSlot(count + 1);
    state.worksheetnames.at(count + 1) = title;
    files.replace(path, registerLines(count + 1, state));
}

void delworksheet(media::TextFiles& files, RegisterState& state, const QString& folder) {
    const QString path = registerPath(folder);
    media::FieldReader file = files.openForReading(path);
    readRegister(file, state, Decoding::AsStored);
    const int count = *state.worksheetcount;
    int found = 0;
    for (int i = 1; i <= count; ++i) {
        if (state.worksheetnames.at(i) == state.chosensheet)
            found = i;
    }
    if (found == 0)
        return;

    QStringList lines = registerLines(count, state);
    lines.removeAt(found);
    lines[0] = QStringLiteral(" %1 ").arg(count - 1);
    files.replace(path, lines);

    for (int i = found; i < count; ++i)
        state.worksheetnames.at(i) = state.worksheetnames.at(i + 1);
    state.worksheetnames.at(count).clear();
    state.worksheetcount = count - 1;
}

} // namespace reg
