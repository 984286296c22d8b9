#include "activities/engine/engine.h"

#include <cstddef>

namespace engine {
namespace {

// volatile forces each intermediate result into a 32-bit float, so that no wider
// register precision can move a label across a catch-window bound.
float add(float a, float b) {
    volatile float r = a + b;
    return r;
}

float sub(float a, float b) {
    volatile float r = a - b;
    return r;
}

float half(float a) {
    volatile float r = a / 2.0f;
    return r;
}

void snapTo(Rect& label, const Rect& target) {
    label.left = target.left;
    label.top = target.top;
}

int countOn(const Layout& layout, std::size_t box, std::size_t firstLabel, std::size_t endLabel) {
    int count = 0;
    for (std::size_t j = firstLabel; j < endLabel && j < layout.labels.size(); ++j)
        count += sitsOn(layout.labels[j], layout.boxes[box]) ? 1 : 0;
    return count;
}

} // namespace

void setUp(Layout& layout) {
    layout.homes.resize(layout.labels.size());
    for (std::size_t i = 0; i < layout.labels.size(); ++i) {
        layout.homes[i].width = layout.labels[i].width;
        layout.homes[i].height = layout.labels[i].height;
    }
    for (std::size_t i = 0; i < layout.labels.size(); ++i)
        snapTo(layout.homes[i], layout.labels[i]);
}

void drag(Rect& label, int button, float x, float y) {
    if (button != 1)
        return;
    label.left = sub(add(label.left, x), half(label.width));
    label.top = sub(add(label.top, y), half(label.height));
}

bool inCatchWindow(const Rect& r, float px, float py) {
    const float left = sub(r.left, half(r.width));
    const float right = add(r.left, r.width);
    const float top = sub(r.top, half(r.height));
    const float bottom = add(r.top, r.height);
    return left < px && px < right && top < py && py < bottom;
}

int drop(Layout& layout, int w) {
    Rect& label = layout.labels.at(static_cast<std::size_t>(w));
    int snaps = 0;
    for (std::size_t i = 0; i < layout.boxes.size() || i < layout.homes.size(); ++i) {
        for (const std::vector<Rect>* targets : {&layout.boxes, &layout.homes}) {
            if (i < targets->size() && inCatchWindow((*targets)[i], label.left, label.top)) {
                snapTo(label, (*targets)[i]);
                ++snaps;
            }
        }
    }
    return snaps;
}

bool ready(const Layout& layout, int maxscore) {
    int pairs = 0;
    for (std::size_t k = 0; k < layout.boxes.size(); ++k)
        pairs += countOn(layout, k, 0, layout.labels.size());
    return pairs == maxscore;
}

int score(const Layout& layout, Scoring scoring) {
    int total = 0;
    const std::size_t groupSize = layout.boxes.size() / 2;
    const auto groupOf = [&](std::size_t i) {
        if (i < layout.groups.size()) {
            return layout.groups[i];
        }
        return i < groupSize ? 0 : 1;
    };
    for (std::size_t i = 0; i < layout.boxes.size(); ++i) {
        if (scoring == Scoring::IndexMatch) {
            total += countOn(layout, i, i, i + 1);
            continue;
        }
        for (std::size_t j = 0; j < layout.labels.size(); ++j) {
            if (groupOf(j) == groupOf(i)) {
                total += countOn(layout, i, j, j + 1);
            }
        }
    }
    return total;
}

void startAgain(Layout& layout) {
    for (std::size_t i = 0; i < layout.labels.size() && i < layout.homes.size(); ++i)
        snapTo(layout.labels[i], layout.homes[i]);
}

} // namespace engine
