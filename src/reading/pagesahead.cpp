#include "reading/pagesahead.h"

#include "core/program.h"
#include "forms/image.h"
#include "media/pictures/pictures.h"

namespace reading {

void preparePage(Program& program, const QWidget& widget, const PageNames& page,
                 const QColor& screenColour) {
    if (const auto picture = program.pictures.load(page.screen)) {
        forms::Image::prepareAt(widget, kPageLeft, kPageTop, *picture, screenColour);
    }
}

PagesAhead::PagesAhead(Program& program, forms::Image& image, Where where, Names names)
    : m_program(program), m_image(image), m_where(std::move(where)), m_names(std::move(names)) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(kPauseMs);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { prepare(); });
}

void PagesAhead::pageShown() {
    m_timer.start();
}

void PagesAhead::prepare() {
    if (!m_image.isVisible()) {
        return;
    }
    const auto [page, count] = m_where();
    for (const int next : {page + 1, page - 1}) {
        if (next < 1 || next > count) {
            continue;
        }
        if (const auto picture = m_program.pictures.load(m_names(next).screen)) {
            m_image.prepare(*picture);
        }
    }
}

} // namespace reading
