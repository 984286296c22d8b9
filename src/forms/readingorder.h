#pragma once

#include <algorithm>
#include <cstddef>
#include <numeric>
#include <vector>

namespace forms {

// A box to be put in reading order, in any unit.
struct ReadingBox {
    double left = 0;
    double top = 0;
    double height = 0;
};

// The indices of boxes in reading order: line by line from the top, each line from the
// left. A box joins the line that the box opening it began when its vertical middle lies
// above that box's bottom edge. Needs no widgets, so the activity engine uses it too.
inline std::vector<std::size_t> readingOrder(const std::vector<ReadingBox>& boxes) {
    std::vector<std::size_t> order(boxes.size());
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return boxes[a].top != boxes[b].top ? boxes[a].top < boxes[b].top
                                            : boxes[a].left < boxes[b].left;
    });
    auto line = order.begin();
    while (line != order.end()) {
        const double bottom = boxes[*line].top + boxes[*line].height;
        auto end = std::find_if(line + 1, order.end(), [&](std::size_t i) {
            return boxes[i].top + boxes[i].height / 2 >= bottom;
        });
        std::stable_sort(
            line, end, [&](std::size_t a, std::size_t b) { return boxes[a].left < boxes[b].left; });
        line = end;
    }
    return order;
}

} // namespace forms
