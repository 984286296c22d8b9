#include "reading/pagedrawings.h"

#include "core/program.h"
#include "forms/image.h"
#include "media/pictures/pictures.h"

namespace reading {

namespace {

std::optional<forms::Picture> readOne(Program& program, const QString& name) {
    std::optional<forms::Picture> picture = program.pictures.load(name);
    if (!picture) {
        program.reportMissing(name, true);
    }
    return picture;
}

} // namespace

std::optional<PageDrawings> PageDrawings::read(Program& program, const PageNames& names) {
    std::optional<forms::Picture> screen = readOne(program, names.screen);
    if (!screen) {
        return std::nullopt;
    }
    std::optional<forms::Picture> print = readOne(program, names.print);
    if (!print) {
        return std::nullopt;
    }
    return PageDrawings{*screen, *print};
}

void PageDrawings::showIn(forms::Image& screenImage, forms::Image& printImage) const {
    screenImage.setPicture(screen);
    printImage.setPicture(print);
}

} // namespace reading
