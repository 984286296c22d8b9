#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace pw::gen {

/// One element of a page in reading order.
struct Block {
    enum class Kind { Heading, Paragraph, Centred, Bullet, Diagram, ColumnBreak, Space };
    Kind kind = Kind::Paragraph;
    QString text;     // heading, paragraph, bullet text; "*...*" marks bold words
    QString diagram;  // diagram kind ("map", "bars", "timeline", "flow")
    QStringList args; // diagram arguments, in the order written
    int amount = 0;   // diagram height or space, in screen twips
};

/// A page as written in content/pages: one source gives the screen and the print drawing.
struct PageSource {
    QString name;                  // file name without ".wmf"
    QString title;                 // large heading at the top
    QString subtitle;              // optional line under the title
    std::vector<int> columns{100}; // column widths in per cent of the text width
    int screenWidth = 0;           // narrower screen drawing, or 0 for the full viewer width
    std::vector<Block> blocks;
};

/// Parses the page markup (see content/pages/README.txt); throws std::runtime_error
/// with the source name and line number on anything it does not understand.
PageSource parsePage(const QString& text, const QString& sourceName);

} // namespace pw::gen
