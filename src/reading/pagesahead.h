#pragma once

#include "core/dressform.h"
#include "forms/drawahead.h"
#include "reading/pagenames.h"

#include <QTimer>
#include <functional>

class QWidget;
struct Program;
namespace forms {
class Image;
}

namespace reading {

// Where both page viewers show a page's screen drawing, in twips.
inline constexpr float kPageLeft = 120, kPageTop = 0;

// Draws the screen drawing of a page where the page viewers show it, on the viewer's
// colour, on the display of widget, ahead of a viewer's opening (see
// forms::Image::prepare): a menu does so for the pages it opens while it is read. A drawing
// that cannot be read is left for the opening to report.
void preparePage(Program& program, const QWidget& widget, const PageNames& page,
                 const QColor& screenColour = kDressColour);

// Draws the screen drawings of the pages either side of the one on show ahead of time, a
// moment after it has come up, while it is being read, so that turning to them is a copy
// of a kept drawing (forms::rendered). A drawing that cannot be read is left for the turn
// itself to report.
class PagesAhead {
public:
    // The page on show and the number of pages, as they are when the moment comes.
    using Where = std::function<std::pair<int, int>()>;
    using Names = std::function<PageNames(int page)>;

    PagesAhead(Program& program, forms::Image& image, Where where, Names names);

    // A page has come up: the pages either side follow a moment later, if the image is
    // still on show then.
    void pageShown();

    // The menus' pause before drawing ahead: the page on show is drawn first.
    static constexpr int kPauseMs = forms::DrawAhead::kPauseMs;

private:
    void prepare();

    Program& m_program;
    forms::Image& m_image;
    Where m_where;
    Names m_names;
    QTimer m_timer;
};

} // namespace reading
