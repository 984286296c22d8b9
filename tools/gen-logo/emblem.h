#pragma once

#include <QImage>

/// The maker's emblem: an open book and a writing quill.
namespace emblem {

/// The still logo with the maker's name under the emblem, at the given size in pixels.
QImage logo(QSize size);

/// Animation frame `frame` of `frames`, at the given size, on `background`. The quill's nib
/// runs once round a figure of eight per cycle, trailing ink, so the last frame leads smoothly
/// into the first.
QImage frame(int frame, int frames, QSize size, QColor background);

/// The program's icon, `size` pixels square: the open book and the quill on a rounded tile of
/// `background`, the rest transparent. Drawn afresh at each size, so small icons stay sharp.
QImage icon(int size, QColor background);

} // namespace emblem
