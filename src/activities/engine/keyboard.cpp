#include "activities/engine/keyboard.h"

#include "forms/readingorder.h"

#include <algorithm>
#include <cstddef>

namespace engine {
namespace {

// Beside or above a box counts as next to it within this gap, in twips.
constexpr float kNear = 300;

std::vector<std::size_t> inReadingOrder(const std::vector<Rect>& rects) {
    std::vector<forms::ReadingBox> boxes;
    for (const Rect& r : rects) {
        boxes.push_back({r.left, r.top, r.height});
    }
    return forms::readingOrder(boxes);
}

bool sitsOn(const Rect& label, const Rect& r) {
    return label.left == r.left && label.top == r.top;
}

const Caption* textBefore(const Rect& box, const std::vector<Caption>& texts) {
    const Caption* best = nullptr;
    for (const Caption& t : texts) {
        const float right = t.rect.left + t.rect.width;
        const bool level =
            t.rect.top < box.top + box.height && box.top < t.rect.top + t.rect.height;
        if (level && right <= box.left && box.left - right <= kNear &&
            (!best || right > best->rect.left + best->rect.width)) {
            best = &t;
        }
    }
    return best;
}

// A heading whose span holds the box's column and that ends just above its first box.
const Caption* headingAbove(const Layout& layout, const Rect& box,
                            const std::vector<Caption>& texts) {
    float columnTop = box.top;
    for (const Rect& other : layout.boxes) {
        if (other.left == box.left && other.width == box.width) {
            columnTop = std::min(columnTop, other.top);
        }
    }
    for (const Caption& t : texts) {
        const float bottom = t.rect.top + t.rect.height;
        const bool spans =
            t.rect.left <= box.left && box.left + box.width <= t.rect.left + t.rect.width;
        if (spans && bottom <= columnTop && columnTop - bottom <= kNear) {
            return &t;
        }
    }
    return nullptr;
}

QString quoted(const QString& text) {
    return QLatin1Char('"') + text.simplified() + QLatin1Char('"');
}

} // namespace

std::vector<Stop> keyboardStops(const Layout& layout) {
    std::vector<Stop> stops;
    for (std::size_t i : inReadingOrder(layout.boxes)) {
        stops.push_back({Stop::Kind::Box, int(i)});
    }
    for (std::size_t i : inReadingOrder(layout.homes)) {
        stops.push_back({Stop::Kind::Home, int(i)});
    }
    return stops;
}

const Rect& stopRect(const Layout& layout, const Stop& stop) {
    const auto i = std::size_t(stop.index);
    return stop.kind == Stop::Kind::Box ? layout.boxes.at(i) : layout.homes.at(i);
}

void KeyboardCarry::pickUp(const Layout& layout, int w) {
    m_word = w;
    m_origin = layout.labels.at(std::size_t(w));
    m_stops = keyboardStops(layout);
    m_stop = -1;
    for (std::size_t s = 0; s < m_stops.size(); ++s) {
        if (m_stops[s].kind == Stop::Kind::Box && sitsOn(m_origin, stopRect(layout, m_stops[s]))) {
            m_stop = int(s);
            break;
        }
    }
}

void KeyboardCarry::move(Layout& layout, int step) {
    const int n = int(m_stops.size());
    if (!carrying() || n == 0) {
        return;
    }
    m_stop = m_stop < 0 ? (step > 0 ? 0 : n - 1) : ((m_stop + step) % n + n) % n;
    const Rect& target = stopRect(layout, m_stops[std::size_t(m_stop)]);
    Rect& label = layout.labels.at(std::size_t(m_word));
    label.left = target.left;
    label.top = target.top;
}

void KeyboardCarry::putBack(Layout& layout) {
    if (carrying()) {
        layout.labels.at(std::size_t(m_word)) = m_origin;
        end();
    }
}

int KeyboardCarry::end() {
    const int w = m_word;
    m_word = -1;
    m_stop = -1;
    m_stops.clear();
    return w;
}

QString describePlace(const Layout& layout, int w, const std::vector<Caption>& texts) {
    const Rect& label = layout.labels.at(std::size_t(w));
    const std::vector<std::size_t> boxes = inReadingOrder(layout.boxes);
    for (std::size_t k = 0; k < boxes.size(); ++k) {
        const Rect& box = layout.boxes[boxes[k]];
        if (!sitsOn(label, box)) {
            continue;
        }
        QString place = QStringLiteral("in box %1 of %2").arg(k + 1).arg(boxes.size());
        if (const Caption* before = textBefore(box, texts)) {
            place += QStringLiteral(", after ") + quoted(before->text);
        } else if (const Caption* heading = headingAbove(layout, box, texts)) {
            place += QStringLiteral(", under ") + quoted(heading->text);
        }
        return place;
    }
    for (const Rect& home : layout.homes) {
        if (sitsOn(label, home)) {
            return QStringLiteral("in the word list");
        }
    }
    return QStringLiteral("not in a box");
}

} // namespace engine
