#include "diagrams.h"

#include "cp1252.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>

namespace pw::gen {
namespace {

struct Kind {
    int (*height)(const DiagramContext&, const Block&, int);
    void (*draw)(const DiagramContext&, const Block&, const QRect&);
};

const std::map<QString, Kind>& kinds() {
    static const std::map<QString, Kind> table = {
        {QStringLiteral("map"), {mapHeight, drawMap}},
        {QStringLiteral("bars"), {barsHeight, drawBars}},
        {QStringLiteral("timeline"), {timelineHeight, drawTimeline}},
        {QStringLiteral("flow"), {flowHeight, drawFlow}},
    };
    return table;
}

const Kind& kindOf(const Block& block) {
    const auto it = kinds().find(block.diagram);
    if (it == kinds().end()) {
        throw std::runtime_error("unknown diagram kind: " + block.diagram.toStdString());
    }
    return it->second;
}

// "label=value" arguments; the value is shown as written and measured by its digits.
struct Pair {
    QString key;
    QString value;
};

std::vector<Pair> pairs(const QStringList& args) {
    std::vector<Pair> out;
    for (const QString& a : args) {
        const qsizetype eq = a.indexOf(QLatin1Char('='));
        if (eq <= 0) {
            throw std::runtime_error("expected label=value, got: " + a.toStdString());
        }
        out.push_back({a.left(eq).trimmed(), a.mid(eq + 1).trimmed()});
    }
    return out;
}

double numberIn(QString value) {
    return value.remove(QRegularExpression(QStringLiteral("[^0-9.]"))).toDouble();
}

FontSpec bold(FontSpec f) {
    f.bold = true;
    return f;
}

void text(const DiagramContext& ctx, int x, int y, const FontSpec& font, const QColor& color,
          const QString& s) {
    ctx.out.setTextColor(color);
    ctx.out.selectFont(font);
    ctx.out.textOut(x, y, toCp1252(s));
}

int barRow(const DiagramContext& ctx) {
    return ctx.text.lineHeight(ctx.style.small) * 3 / 2;
}

// Timeline entries: the date column is as wide as the widest date.
int dateColumn(const DiagramContext& ctx, const std::vector<Pair>& entries) {
    int w = 0;
    for (const Pair& e : entries) {
        w = std::max(w, ctx.text.width(bold(ctx.style.body), e.key));
    }
    return w + 330;
}

std::vector<Line> stepLines(const DiagramContext& ctx, const QString& step, int width) {
    return ctx.text.wrap(step, ctx.style.body, width - 240);
}

constexpr int kArrow = 300;

} // namespace

int diagramHeight(const DiagramContext& ctx, const Block& block, int width) {
    return kindOf(block).height(ctx, block, width);
}

void drawDiagram(const DiagramContext& ctx, const Block& block, const QRect& box) {
    kindOf(block).draw(ctx, block, box);
}

static std::vector<Line> barsTitle(const DiagramContext& ctx, const Block& block, int width) {
    return ctx.text.wrap(block.args.value(0), bold(ctx.style.small), width);
}

int barsHeight(const DiagramContext& ctx, const Block& block, int width) {
    const int rows = int(block.args.size()) - 1;
    const int titleLines = int(barsTitle(ctx, block, width).size());
    return ctx.text.lineHeight(ctx.style.small) * titleLines + 90 + rows * barRow(ctx);
}

void drawBars(const DiagramContext& ctx, const Block& block, const QRect& box) {
    const PageStyle& s = ctx.style;
    const int lh = ctx.text.lineHeight(s.small);
    int y = box.top();
    for (const Line& l : barsTitle(ctx, block, box.width())) {
        ctx.text.draw(ctx.out, l, box.left(), y, bold(s.small), s.headingColor);
        y += lh;
    }
    y += 90;
    const std::vector<Pair> rows = pairs(block.args.mid(1));
    int labelW = 0, valueW = 0;
    double maxValue = 0;
    for (const Pair& r : rows) {
        labelW = std::max(labelW, ctx.text.width(s.small, r.key));
        valueW = std::max(valueW, ctx.text.width(bold(s.small), r.value));
        maxValue = std::max(maxValue, numberIn(r.value));
    }
    const int barX = box.left() + labelW + 120;
    const int barMax = box.right() - barX - valueW - 120;
    ctx.out.selectPen(s.bodyColor, 10);
    ctx.out.line({barX, y - 60}, {barX, y + int(rows.size()) * barRow(ctx)});
    for (const Pair& r : rows) {
        const int len = std::max(30, int(std::lround(barMax * numberIn(r.value) / maxValue)));
        text(ctx, barX - 120 - ctx.text.width(s.small, r.key), y, s.small, s.bodyColor, r.key);
        ctx.out.selectPen(s.print ? QColor(0, 0, 0) : s.barFill, 10);
        ctx.out.selectBrush(s.barFill);
        ctx.out.rectangle(barX, y + 20, barX + len, y + lh - 20);
        text(ctx, barX + len + 90, y, bold(s.small), s.bodyColor, r.value);
        y += barRow(ctx);
    }
}

int timelineHeight(const DiagramContext& ctx, const Block& block, int width) {
    const std::vector<Pair> entries = pairs(block.args);
    const int textW = width - dateColumn(ctx, entries);
    int h = 0;
    for (const Pair& e : entries) {
        h += int(ctx.text.wrap(e.value, ctx.style.body, textW).size()) *
                 ctx.text.lineHeight(ctx.style.body) +
             70;
    }
    return h;
}

void drawTimeline(const DiagramContext& ctx, const Block& block, const QRect& box) {
    const PageStyle& s = ctx.style;
    const std::vector<Pair> entries = pairs(block.args);
    const int dateW = dateColumn(ctx, entries);
    const int lineX = box.left() + 90;
    const int lh = ctx.text.lineHeight(s.body);
    ctx.out.selectPen(s.accent, 30);
    ctx.out.line({lineX, box.top() + lh / 2}, {lineX, box.bottom() - lh});
    int y = box.top();
    for (const Pair& e : entries) {
        ctx.out.selectPen(s.accent, 15);
        ctx.out.selectBrush(s.accent);
        ctx.out.ellipse(lineX - 70, y + lh / 2 - 70, lineX + 70, y + lh / 2 + 70);
        text(ctx, lineX + 180, y, bold(s.body), s.headingColor, e.key);
        for (const Line& l : ctx.text.wrap(e.value, s.body, box.width() - dateW)) {
            ctx.text.draw(ctx.out, l, box.left() + dateW, y, s.body, s.bodyColor);
            y += lh;
        }
        y += 70;
    }
}

int flowHeight(const DiagramContext& ctx, const Block& block, int width) {
    int h = 0;
    for (const QString& step : block.args) {
        h += int(stepLines(ctx, step, width).size()) * ctx.text.lineHeight(ctx.style.body) + 160;
    }
    return h + (int(block.args.size()) - 1) * kArrow;
}

void drawFlow(const DiagramContext& ctx, const Block& block, const QRect& box) {
    const PageStyle& s = ctx.style;
    const int lh = ctx.text.lineHeight(s.body);
    const int mid = box.left() + box.width() / 2;
    int y = box.top();
    for (qsizetype i = 0; i < block.args.size(); ++i) {
        const std::vector<Line> lines = stepLines(ctx, block.args[i], box.width());
        const int h = int(lines.size()) * lh + 160;
        ctx.out.selectPen(s.accent, 20);
        ctx.out.selectBrush(s.boxFill);
        ctx.out.roundRect(box.left(), y, box.right(), y + h, 180, 180);
        int ty = y + 80;
        for (const Line& l : lines) {
            ctx.text.draw(ctx.out, l, mid - l.width / 2, ty, s.body, s.boxText);
            ty += lh;
        }
        y += h;
        if (i + 1 < block.args.size()) {
            ctx.out.selectBrush(s.accent);
            ctx.out.polygon({{mid - 40, y},
                             {mid + 40, y},
                             {mid + 40, y + kArrow - 130},
                             {mid + 130, y + kArrow - 130},
                             {mid, y + kArrow},
                             {mid - 130, y + kArrow - 130},
                             {mid - 40, y + kArrow - 130}});
            y += kArrow;
        }
    }
}

} // namespace pw::gen
