#pragma once

#include "authoring/register/registerstate.h"
#include "media/textfile/textfiles.h"

#include <QString>
#include <QStringList>

// The worksheet register "track.txt" in the worksheet folder ("multiple" beside the
// program unless the school chose another): a count line " N " (space, digits, space)
// and then N titles, one per line, in the order each was first saved. Titles are stored
// as typed (not comma-encoded) and compared exactly, case included. At most
// RegisterState::kMaxTitles titles; reading or adding one beyond that is an error.
namespace reg {

inline const QString kDefaultFolder = QStringLiteral("multiple");
inline const QString kRegisterPath = QStringLiteral("multiple/track.txt");

// The register of a worksheet folder.
QString registerPath(const QString& folder);

// The main menu's read at start-up: the count into worksheetcount, then the titles as
// stored. Any failure (no register, a register shorter than its count line says, more
// than 1000 titles) ends the read silently: the titles read so far stay and
// worksheetcount keeps the count read.
void startupRead(media::TextFiles& files, RegisterState& state,
                 const QString& folder = kDefaultFolder);

// The catalogue's read: as startupRead, but every "&" of a title is shown as ",".
// Failures are ignored the same way. When the register is missing nothing is set, so
// worksheetcount stays as the start-up read left it (empty when there was no register
// then either, which the catalogue shows as an empty list).
void catalogueRead(media::TextFiles& files, RegisterState& state,
                   const QString& folder = kDefaultFolder);

// Adds title to the register unless it already holds it. Reads the register into state
// (count and titles as stored); when the title is new, stores it in slot N + 1 and
// rewrites the register with the count N + 1 and all titles. worksheetcount stays N: the
// catalogue shows the new title the next time it opens. A missing register counts as an
// empty one and is created. Throws media::TextFileError when the register cannot be read
// or written or already holds 1000 titles (then it is not rewritten).
void trackworksheets(media::TextFiles& files, RegisterState& state, const QString& title,
                     const QString& folder = kDefaultFolder);

// Removes chosensheet (the last title equal to it) from the register: rewrites it with
// the count N - 1 and the other titles in order, then sets worksheetcount to N - 1 and
// moves the later titles down a slot. When no title is equal nothing is written and state
// holds the register as read. Throws media::TextFileError when the register cannot be
// read or written; state then holds the register as read.
void delworksheet(media::TextFiles& files, RegisterState& state,
                  const QString& folder = kDefaultFolder);

// The register's lines for titles 1..count of state.
QStringList registerLines(int count, const RegisterState& state);

} // namespace reg
