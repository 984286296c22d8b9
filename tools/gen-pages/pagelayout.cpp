#include "pagelayout.h"

#include "cp1252.h"
#include "diagrams.h"
#include "textflow.h"
#include "wmfwriter.h"

#include <stdexcept>

namespace pw::gen {
namespace {

class Layout {
public:
    Layout(const PageSource& page, const PageStyle& style, const FontMeasure& measure)
        : m_page(page), m_style(style), m_flow(measure), m_out(style.width, style.height) {}

    QByteArray run() {
        titleBlock();
        columnsFrom(m_y);
        for (size_t i = 0; i < m_page.blocks.size(); ++i) {
            place(m_page.blocks[i], i + 1 < m_page.blocks.size() ? &m_page.blocks[i + 1] : nullptr);
        }
        return m_out.finish();
    }

private:
    void titleBlock() {
        const PageStyle& s = m_style;
        int y = s.marginTop;
        for (const Line& l : m_flow.wrap(m_page.title, s.title, textWidth())) {
            m_flow.draw(m_out, l, s.marginX, y, s.title, s.titleColor);
            y += m_flow.lineHeight(s.title);
        }
        if (!m_page.subtitle.isEmpty()) {
            for (const Line& l : m_flow.wrap(m_page.subtitle, s.subtitle, textWidth())) {
                m_flow.draw(m_out, l, s.marginX, y, s.subtitle, s.subtitleColor);
                y += m_flow.lineHeight(s.subtitle);
            }
        }
        y += 40;
        m_out.selectPen(s.accent, 30);
        m_out.line({s.marginX, y}, {s.width - s.marginX, y});
        m_y = y + 150;
    }

    int textWidth() const { return m_style.width - 2 * m_style.marginX; }

    void columnsFrom(int top) {
        m_top = top;
        int x = m_style.marginX;
        const int usable = textWidth() - m_style.gutter * (int(m_page.columns.size()) - 1);
        for (int percent : m_page.columns) {
            const int w = usable * percent / 100;
            m_columns.push_back({x, w});
            x += w + m_style.gutter;
        }
        m_column = 0;
    }

    int left() const { return m_columns[m_column].first; }
    int width() const { return m_columns[m_column].second; }

    // Moves to the next column when h twips do not fit below the current position.
    void reserve(int h) {
        if (m_y + h <= m_style.height) {
            return;
        }
        nextColumn(h);
    }

    void nextColumn(int need) {
        if (m_column + 1 >= m_columns.size()) {
            throw std::runtime_error(
                QStringLiteral("page \"%1\" (%2) is too full: column %3 runs out at y %4")
                    .arg(m_page.name)
                    .arg(m_style.print ? QStringLiteral("print") : QStringLiteral("screen"))
                    .arg(m_column + 1)
                    .arg(m_y + need)
                    .toStdString());
        }
        ++m_column;
        m_y = m_top;
    }

    void place(const Block& b, const Block* next) {
        switch (b.kind) {
        case Block::Kind::Heading:
            heading(b, next);
            break;
        case Block::Kind::Paragraph:
            paragraph(b, 0, false);
            break;
        case Block::Kind::Centred:
            paragraph(b, 0, true);
            break;
        case Block::Kind::Bullet:
            bullet(b, next);
            break;
        case Block::Kind::Diagram:
            diagram(b);
            break;
        case Block::Kind::ColumnBreak:
            nextColumn(0);
            break;
        case Block::Kind::Space:
            m_y += b.amount * m_style.diagramScale / 100;
            break;
        }
    }

    void heading(const Block& b, const Block*) {
        const PageStyle& s = m_style;
        const std::vector<Line> lines = m_flow.wrap(b.text, s.heading, width());
        // Keep a heading with at least two lines of what follows it.
        reserve(int(lines.size()) * m_flow.lineHeight(s.heading) + 2 * m_flow.lineHeight(s.body));
        for (const Line& l : lines) {
            m_flow.draw(m_out, l, left(), m_y, s.heading, s.headingColor);
            m_y += m_flow.lineHeight(s.heading);
        }
        m_y += 30;
    }

    void paragraph(const Block& b, int indent, bool centred) {
        const PageStyle& s = m_style;
        const int lh = m_flow.lineHeight(s.body);
        for (const Line& l : m_flow.wrap(b.text, s.body, width() - indent)) {
            reserve(lh);
            const int x = centred ? left() + (width() - l.width) / 2 : left() + indent;
            m_flow.draw(m_out, l, x, m_y, s.body, s.bodyColor);
            m_y += lh;
        }
        m_y += indent ? 0 : s.paragraphGap;
    }

    void bullet(const Block& b, const Block* next) {
        const PageStyle& s = m_style;
        const int lh = m_flow.lineHeight(s.body);
        const int indent = s.body.height * 5 / 4;
        const std::vector<Line> lines = m_flow.wrap(b.text, s.body, width() - indent);
        reserve(lh);
        const int r = s.body.height / 7;
        const int cy = m_y + int(m_flow.measure().ascent(s.body) * 0.6);
        m_out.selectPen(s.accent, 10);
        m_out.selectBrush(s.accent);
        m_out.ellipse(left() + r, cy - r, left() + 3 * r, cy + r);
        for (const Line& l : lines) {
            reserve(lh);
            m_flow.draw(m_out, l, left() + indent, m_y, s.body, s.bodyColor);
            m_y += lh;
        }
        m_y += (next && next->kind == Block::Kind::Bullet) ? lh / 6 : s.paragraphGap;
    }

    void diagram(const Block& b) {
        const DiagramContext ctx{m_out, m_style, m_flow};
        const int h = diagramHeight(ctx, b, width());
        reserve(h);
        drawDiagram(ctx, b, QRect(left(), m_y, width(), h));
        m_y += h + m_style.paragraphGap;
    }

    const PageSource& m_page;
    const PageStyle& m_style;
    TextFlow m_flow;
    WmfWriter m_out;
    std::vector<std::pair<int, int>> m_columns; // left, width
    size_t m_column = 0;
    int m_top = 0;
    int m_y = 0;
};

} // namespace

QByteArray renderPage(const PageSource& page, const PageStyle& style, const FontMeasure& measure) {
    return Layout(page, style, measure).run();
}

} // namespace pw::gen
