#include "textflow.h"

#include "cp1252.h"

#include <cmath>
#include <stdexcept>

namespace pw::gen {
namespace {

constexpr double kSafety = 0.97;

struct Piece {
    QString text;
    bool bold = false;
};
using Word = std::vector<Piece>;

std::vector<Word> splitWords(const QString& text) {
    std::vector<Word> words(1);
    bool bold = false;
    bool escaped = false;
    for (QChar c : text) {
        if (!escaped && c == QLatin1Char('\\')) {
            escaped = true;
            continue;
        }
        const bool literal = escaped;
        escaped = false;
        if (c == QLatin1Char('*') && !literal) {
            bold = !bold;
        } else if (c == QLatin1Char(' ')) {
            if (!words.back().empty()) {
                words.emplace_back();
            }
        } else if (!words.back().empty() && words.back().back().bold == bold) {
            words.back().back().text += c;
        } else {
            words.back().push_back({QString(c), bold});
        }
    }
    if (words.back().empty()) {
        words.pop_back();
    }
    return words;
}

FontSpec weight(FontSpec font, bool bold) {
    font.bold = font.bold || bold;
    return font;
}

// Joins the words of one line into runs of one weight; the space between two words
// belongs to the run of the word before it.
Line buildLine(const std::vector<Word>& words, const FontSpec& font, const FontMeasure& m) {
    Line line;
    std::vector<Piece> runs;
    for (size_t i = 0; i < words.size(); ++i) {
        for (size_t p = 0; p < words[i].size(); ++p) {
            Piece piece = words[i][p];
            if (p + 1 == words[i].size() && i + 1 < words.size()) {
                piece.text += QLatin1Char(' ');
            }
            if (!runs.empty() && runs.back().bold == piece.bold) {
                runs.back().text += piece.text;
            } else {
                runs.push_back(piece);
            }
        }
    }
    double x = 0;
    for (const Piece& r : runs) {
        line.segments.push_back({r.text, r.bold, int(std::lround(x))});
        x += m.width(weight(font, r.bold), r.text);
    }
    line.width = int(std::ceil(x));
    return line;
}

} // namespace

std::vector<Line> TextFlow::wrap(const QString& text, const FontSpec& font, int width) const {
    const double limit = width * kSafety;
    std::vector<Line> lines;
    std::vector<Word> current;
    for (const Word& word : splitWords(text)) {
        current.push_back(word);
        if (buildLine(current, font, m_measure).width <= limit) {
            continue;
        }
        current.pop_back();
        if (current.empty()) {
            throw std::runtime_error("word too wide for its column: " +
                                     text.left(40).toStdString());
        }
        lines.push_back(buildLine(current, font, m_measure));
        current = {word};
        if (buildLine(current, font, m_measure).width > limit) {
            throw std::runtime_error("word too wide for its column: " +
                                     text.left(40).toStdString());
        }
    }
    if (!current.empty()) {
        lines.push_back(buildLine(current, font, m_measure));
    }
    return lines;
}

void TextFlow::draw(WmfWriter& out, const Line& line, int x, int y, const FontSpec& font,
                    const QColor& color) const {
    out.setTextColor(color);
    for (const Segment& s : line.segments) {
        out.selectFont(weight(font, s.bold));
        out.textOut(x + s.x, y, toCp1252(s.text.trimmed().isEmpty() ? QString() : s.text));
    }
}

int TextFlow::lineHeight(const FontSpec& font) const {
    return int(std::lround(m_measure.height(font) * 1.08));
}

int TextFlow::width(const FontSpec& font, const QString& text) const {
    return int(std::ceil(m_measure.width(font, text)));
}

} // namespace pw::gen
