#include "shell/casestudymenu.h"

#include "activities/activityscreen.h"
#include "core/dressform.h"
#include "core/program.h"
#include "media/pictures/pictures.h"
#include "reading/pagesahead.h"
#include "shell/intro0.h"

using forms::Align;
using forms::BackStyle;
using forms::FontSpec;

namespace {

struct Entry {
    int index;
    const char* caption;
    forms::TwipRect place; // Key Facts takes its left from the case study
};

const Entry kEntries[] = {
    {4, "Key Facts", {0, 120, 1995, 495}},
    {5, "Teacher's Notes", {8640, 120, 3195, 495}},
    {0, "Multiple Choice", {120, 7920, 3195, 495}},
    {1, "Labelling Activity", {3600, 7920, 3195, 495}},
    {3, "Ordering Activity", {7080, 7920, 3195, 495}},
    {2, "Exit", {10560, 7920, 1245, 495}},
};

forms::TwipRect twips(const casestudy::Rect& r) {
    return {r.left, r.top, r.width, r.height};
}

// A menu whose file was never opened shows an empty title and opens nothing useful; the
// main menu always opens the file first.
std::shared_ptr<const casestudy::Menu> menuFor(const Program& program, const QString& id) {
    if (auto m = program.caseStudies.menu(id)) {
        return m;
    }
    auto empty = std::make_shared<casestudy::Menu>();
    empty->id = id;
    return empty;
}

} // namespace

CaseStudyMenu::CaseStudyMenu(Program& program, const QString& id)
    : Screen(program.forms), m_program(program), m_study(menuFor(program, id)) {
    const casestudy::Menu& study = *m_study;
    Label1.setRect(twips(study.titlePlace));
    Label1.setCaption(study.title);
    Label1.setFont(FontSpec{QStringLiteral("Times New Roman"), 27.75f, true});
    Label1.setForeColor(QColor(255, 255, 0));
    Label1.setBackStyle(BackStyle::Transparent);

    Image1.setStretch(true);
    Image1.setRect(twips(study.pictureBox));

    for (const Entry& e : kEntries) {
        forms::Label& l = label3.add(e.index, this);
        forms::TwipRect place = e.place;
        if (e.index == 4) {
            place.left = study.keyFactsLeft;
        }
        l.setRect(place);
        l.setCaption(QString::fromUtf8(e.caption));
        l.setFont(FontSpec{QStringLiteral("Tahoma"), 15.75f, true});
        l.setForeColor(QColor(255, 255, 0));
        l.setBackColor(Qt::black);
        l.setBackStyle(BackStyle::Opaque);
        l.setAlignment(Align::Center);
        l.setBorder(true);
        m_hover.add(l);
    }
    label3.onClick([this](int i) { label3_Click(i); });
    label3.onMouseMove(
        [this](int i, int b, int s, float x, float y) { label3_MouseMove(i, b, s, x, y); });
    setExitControl(label3[2]);
}

void CaseStudyMenu::Form_Load() {
    dressform(*this, m_program.display());
    setBackColor(QColor(39, 63, 137));
    m_program.loadPicture(Image1, m_study->picture);
    Image1.setLeft((12000.0f - Image1.Width()) / 2);
    m_ahead.start();
}

std::vector<forms::DrawAhead::Drawing> CaseStudyMenu::drawingsAhead() {
    std::vector<forms::DrawAhead::Drawing> drawings;
    const auto page = [this](const reading::PageNames& names) {
        return [this, names] { reading::preparePage(m_program, *this, names); };
    };
    // In the order pupils mostly take them: the key facts, the activities, then the notes.
    drawings.push_back(page(reading::notesPage(m_study->keyPageset, 1)));
    for (const casestudy::Activity* activity : {&m_study->labelling, &m_study->ordering}) {
        for (const casestudy::Picture& p : activity->pictures) {
            drawings.push_back([this, p] {
                if (const auto picture = m_program.pictures.load(p.file)) {
                    forms::Image::prepareIn(*this, twips(p.place), *picture);
                }
            });
        }
    }
    drawings.push_back(page(reading::singlePage(m_study->notesPageset)));
    return drawings;
}

void CaseStudyMenu::Form_MouseMove(int, int, float, float) {
    m_hover.reset();
}

void CaseStudyMenu::label3_MouseMove(int index, int, int, float, float) {
    m_hover.highlight(label3[index]);
}

void CaseStudyMenu::label3_Click(int index) {
    switch (index) {
    case 4:
        keyFacts();
        break;
    case 5:
        teachersNotes();
        break;
    case 0:
        multipleChoice();
        break;
    case 1:
        openActivity<LabellingScreen>(casestudy::CaseStudies::labellingScreen(m_study->id));
        break;
    case 3:
        openActivity<OrderingScreen>(casestudy::CaseStudies::orderingScreen(m_study->id));
        break;
    case 2:
        forms().show<intro0>();
        forms().unload(*this);
        break;
    }
    m_program.play(QStringLiteral("wav\\click.wav"));
}

// Setting the title loads the activity screen (so its set-up has run), then it is shown
// over the menu.
template <class S> void CaseStudyMenu::openActivity(const QString& screenId) {
    forms().get<S>(screenId).Label6.setCaption(Label1.Caption());
    forms().show<S>(screenId);
}
