#include "pagesource.h"

#include <QRegularExpression>

#include <numeric>
#include <stdexcept>

namespace pw::gen {
namespace {

class Parser {
public:
    Parser(PageSource& page, QString source) : m_page(page), m_source(std::move(source)) {}

    void line(const QString& raw, int number) {
        m_line = number;
        const QString text = raw.trimmed();
        if (text.startsWith(QLatin1Char('#'))) {
            return;
        }
        if (text.isEmpty()) {
            m_open = -1;
            return;
        }
        if (m_page.blocks.empty() && header(text)) {
            return;
        }
        if (open() && raw.startsWith(QLatin1String("  ")) && !isMarker(text)) {
            open()->text += QLatin1Char(' ') + text;
            return;
        }
        block(text);
    }

    void finish() {
        if (m_page.name.isEmpty() || m_page.title.isEmpty()) {
            fail(QStringLiteral("a page needs \"page:\" and \"title:\""));
        }
    }

private:
    static bool isMarker(const QString& t) {
        return t.startsWith(QLatin1String("- ")) || t.startsWith(QLatin1String("== ")) ||
               t.startsWith(QLatin1String("^ ")) || t.startsWith(QLatin1Char('@'));
    }

    bool header(const QString& text) {
        static const QRegularExpression re(
            QStringLiteral("^(page|title|subtitle|columns|screen-width):\\s*(.*)$"));
        const auto m = re.match(text);
        if (!m.hasMatch()) {
            return false;
        }
        const QString key = m.captured(1);
        const QString value = m.captured(2);
        if (key == QLatin1String("page")) {
            m_page.name = value;
        } else if (key == QLatin1String("title")) {
            m_page.title = value;
        } else if (key == QLatin1String("subtitle")) {
            m_page.subtitle = value;
        } else if (key == QLatin1String("columns")) {
            columns(value);
        } else {
            m_page.screenWidth = number(value);
        }
        return true;
    }

    void columns(const QString& value) {
        m_page.columns.clear();
        for (const QString& part : value.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            m_page.columns.push_back(number(part));
        }
        if (std::accumulate(m_page.columns.begin(), m_page.columns.end(), 0) != 100) {
            fail(QStringLiteral("column widths must add up to 100"));
        }
    }

    void block(const QString& text) {
        Block b;
        if (text.startsWith(QLatin1String("== "))) {
            b.kind = Block::Kind::Heading;
            b.text = text.mid(3).trimmed();
        } else if (text.startsWith(QLatin1String("- "))) {
            b.kind = Block::Kind::Bullet;
            b.text = text.mid(2).trimmed();
        } else if (text.startsWith(QLatin1String("^ "))) {
            b.kind = Block::Kind::Centred;
            b.text = text.mid(2).trimmed();
        } else if (text.startsWith(QLatin1Char('@'))) {
            directive(text.mid(1), b);
        } else if (open() && open()->kind == Block::Kind::Paragraph) {
            open()->text += QLatin1Char(' ') + text;
            return;
        } else {
            b.text = text;
        }
        m_page.blocks.push_back(b);
        const bool continues = b.kind == Block::Kind::Paragraph || b.kind == Block::Kind::Bullet ||
                               b.kind == Block::Kind::Centred;
        m_open = continues ? int(m_page.blocks.size()) - 1 : -1;
    }

    void directive(const QString& text, Block& b) {
        QStringList parts = text.split(QLatin1Char('|'));
        for (QString& p : parts) {
            p = p.trimmed();
        }
        const QStringList head = parts.takeFirst().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const QString kind = head.value(0);
        if (kind == QLatin1String("break")) {
            b.kind = Block::Kind::ColumnBreak;
            return;
        }
        if (head.size() != 2) {
            fail(QStringLiteral("expected \"@%1 HEIGHT\"").arg(kind));
        }
        b.amount = number(head[1]);
        if (kind == QLatin1String("space")) {
            b.kind = Block::Kind::Space;
            return;
        }
        b.kind = Block::Kind::Diagram;
        b.diagram = kind;
        b.args = parts;
    }

    int number(const QString& text) const {
        bool ok = false;
        const int v = text.trimmed().toInt(&ok);
        if (!ok || v < 0) {
            fail(QStringLiteral("\"%1\" is not a whole number").arg(text));
        }
        return v;
    }

    [[noreturn]] void fail(const QString& why) const {
        throw std::runtime_error(
            QStringLiteral("%1:%2: %3").arg(m_source).arg(m_line).arg(why).toStdString());
    }

    PageSource& m_page;
    QString m_source;
    int m_line = 0;
    int m_open = -1; // index of the block that continuation lines extend

    Block* open() { return m_open >= 0 ? &m_page.blocks[size_t(m_open)] : nullptr; }
};

} // namespace

PageSource parsePage(const QString& text, const QString& sourceName) {
    PageSource page;
    Parser parser(page, sourceName);
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        QString l = lines[i];
        l.remove(QLatin1Char('\r'));
        parser.line(l, i + 1);
    }
    parser.finish();
    return page;
}

} // namespace pw::gen
