#pragma once

#include "fontmeasure.h"
#include "pagesource.h"
#include "pagestyle.h"

#include <QByteArray>

namespace pw::gen {

/// Lays a page source out in one style and returns the metafile. Blocks flow down the
/// columns in order; a block that no longer fits moves to the next column. Throws
/// std::runtime_error naming the page when the content does not fit the page.
QByteArray renderPage(const PageSource& page, const PageStyle& style, const FontMeasure& measure);

} // namespace pw::gen
