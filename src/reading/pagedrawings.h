#pragma once

#include "forms/picture.h"
#include "reading/pagenames.h"

#include <optional>

struct Program;
namespace forms {
class Image;
}

namespace reading {

// Both drawings of a page, read before anything on screen changes, so that a missing
// or damaged file leaves the page on show, its counter and its buttons as they were.
struct PageDrawings {
    forms::Picture screen;
    forms::Picture print;

    // Reads both files; a missing or unreadable one is reported to the user (every
    // time: it answers something the user just asked for) and gives nullopt. Empty
    // names give empty pictures.
    static std::optional<PageDrawings> read(Program& program, const PageNames& names);

    // The screen drawing into the visible image, the print drawing into the hidden one.
    void showIn(forms::Image& screenImage, forms::Image& printImage) const;
};

} // namespace reading
