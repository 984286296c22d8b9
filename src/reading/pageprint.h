#pragma once

struct Program;
namespace forms {
class Picture;
}

namespace reading {

// Prints a page drawing as both page viewers do: an empty line, then the drawing at
// its own size with its top-left corner at 1000, 1000 twips, then the end of the
// document. A failing or missing printer is reported with the program's printing
// message; the run stops where it failed and the document is not ended.
void printPage(Program& program, const forms::Picture& drawing);

} // namespace reading
