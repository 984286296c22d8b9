#pragma once

#include "pagesource.h"
#include "pagestyle.h"
#include "textflow.h"
#include "wmfwriter.h"

#include <QRect>

namespace pw::gen {

/// What a diagram draws with.
struct DiagramContext {
    WmfWriter& out;
    const PageStyle& style;
    const TextFlow& text;
};

/// Height in twips that the diagram of a block needs when it is given the width.
/// Throws std::runtime_error for an unknown kind or malformed arguments.
int diagramHeight(const DiagramContext& ctx, const Block& block, int width);
void drawDiagram(const DiagramContext& ctx, const Block& block, const QRect& box);

// The kinds, one pair of functions each.
int mapHeight(const DiagramContext& ctx, const Block& block, int width);
void drawMap(const DiagramContext& ctx, const Block& block, const QRect& box);
int barsHeight(const DiagramContext& ctx, const Block& block, int width);
void drawBars(const DiagramContext& ctx, const Block& block, const QRect& box);
int timelineHeight(const DiagramContext& ctx, const Block& block, int width);
void drawTimeline(const DiagramContext& ctx, const Block& block, const QRect& box);
int flowHeight(const DiagramContext& ctx, const Block& block, int width);
void drawFlow(const DiagramContext& ctx, const Block& block, const QRect& box);

} // namespace pw::gen
