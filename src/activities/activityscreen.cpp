#include "activities/activityscreen.h"

#include "core/dressform.h"
#include "core/program.h"
#include "quiz/welldone.h"

using forms::Align;
using forms::BackStyle;
using forms::FontSpec;

namespace {

const QColor kYellow(255, 255, 0);

struct Button {
    int index;
    const char* caption;
    forms::TwipRect place;
};

// The same three buttons on every activity screen; "Check Score" waits for readiness.
const Button kButtons[] = {
    {0, "Exit", {10560, 7920, 1245, 495}},
    {1, "Start Again", {3360, 7920, 2565, 495}},
    {2, "Check Score", {6000, 7920, 2565, 495}},
};

void blackYellow(forms::Label& l, const FontSpec& font, Align align) {
    l.setFont(font);
    l.setForeColor(kYellow);
    l.setBackColor(Qt::black);
    l.setBackStyle(BackStyle::Opaque);
    l.setAlignment(align);
    l.setBorder(true);
}

engine::Rect toEngine(const forms::Label& l) {
    return {l.Left(), l.Top(), l.Width(), l.Height()};
}

forms::TwipRect twips(const casestudy::Rect& r) {
    return {r.left, r.top, r.width, r.height};
}

FontSpec fontOf(const casestudy::Font& f) {
    return FontSpec{f.name, f.size, f.bold};
}

Align alignOf(casestudy::Align a) {
    switch (a) {
    case casestudy::Align::Left:
        return Align::Left;
    case casestudy::Align::Right:
        return Align::Right;
    case casestudy::Align::Center:
        break;
    }
    return Align::Center;
}

void styleStatic(forms::Label& l, const casestudy::Text& t) {
    l.setRect(twips(t.place));
    l.setCaption(t.text);
    l.setForeColor(t.color);
    l.setFont(fontOf(t.font));
    l.setAlignment(alignOf(t.align));
    l.setBackStyle(BackStyle::Transparent);
}

// A screen asked for an activity that no opened menu has shows nothing to drag.
std::shared_ptr<const casestudy::Activity> activityFor(const Program& program, const QString& id) {
    if (auto a = program.caseStudies.activity(id)) {
        return a;
    }
    return std::make_shared<const casestudy::Activity>();
}

} // namespace

ActivityScreen::ActivityScreen(Program& program, const QString& screenId)
    : Screen(program.forms), m_program(program), m_id(screenId),
      m_data(activityFor(program, screenId)) {
    for (const casestudy::Picture& p : m_data->pictures) {
        forms::Image& image = Image1.add(p.index, this);
        // Stretched: the answer boxes are placed against the designed rectangles (just
        // under each picture), whatever size the picture files have.
        image.setStretch(true);
        image.setRect(twips(p.place));
    }
    buildStatics();
    Label6.setRect(twips(m_data->titlePlace));
    Label6.setFont(fontOf(m_data->titleFont));
    Label6.setForeColor(kYellow);
    Label6.setAlignment(alignOf(m_data->titleAlign));
    Label6.setBackStyle(BackStyle::Transparent);
    buildItems();
    buildButtons();
    stack();
}

void ActivityScreen::buildStatics() {
    const std::pair<const char*, forms::Label**> singles[] = {
        {"Label7", &Label7}, {"Label8", &Label8}, {"Label9", &Label9}};
    for (const casestudy::Text& t : m_data->texts) {
        forms::Label* l = nullptr;
        for (const auto& [name, member] : singles) {
            if (t.label == QLatin1String(name)) {
                l = *member = new forms::Label(this);
            }
        }
        if (!l) {
            l = &Label5.add(t.index, this);
        }
        styleStatic(*l, t);
    }
}

// The design gives answer box i the word that belongs in it; set-up hands the word to
// word label i. Home slots get their size and place at set-up.
void ActivityScreen::buildItems() {
    const int n = itemCount();
    const FontSpec wordFont = fontOf(m_data->wordFont);
    const Align wordAlign = alignOf(m_data->wordAlign);
    for (int i = 0; i < n; ++i) {
        const casestudy::Item& item = m_data->items[size_t(i)];
        forms::Label& box = Label1.add(i, this);
        box.setRect(twips(item.box));
        box.setCaption(item.word);
        blackYellow(box, wordFont, wordAlign);
    }
    for (int i = 0; i < n; ++i) {
        forms::Label& home = Label4.add(i, this);
        home.setBackStyle(BackStyle::Transparent);
        home.setBorder(true);
    }
    for (int i = 0; i < n; ++i) {
        const casestudy::Item& item = m_data->items[size_t(i)];
        forms::Label& word = Label2.add(i, this);
        word.setRect(item.startLeft, item.startTop, item.box.width, item.box.height);
        blackYellow(word, wordFont, wordAlign);
        // A word label paints every pixel of itself, so a drag step repaints only the
        // label and what it uncovers, never what lies beneath its new place.
        word.setAttribute(Qt::WA_OpaquePaintEvent);
    }
    Label2.onMouseMove(
        [this](int i, int b, int s, float x, float y) { Label2_MouseMove(i, b, s, x, y); });
    Label2.onMouseUp(
        [this](int i, int b, int s, float x, float y) { Label2_MouseUp(i, b, s, x, y); });
    Label2.onKeyDown([this](int i, int key, int shift) { return Label2_KeyDown(i, key, shift); });
}

void ActivityScreen::buildButtons() {
    for (const Button& b : kButtons) {
        forms::Label& l = Label3.add(b.index, this);
        l.setRect(b.place);
        l.setCaption(QString::fromUtf8(b.caption));
        blackYellow(l, FontSpec{QStringLiteral("Tahoma"), 15.75f, true}, Align::Center);
        m_hover.add(l);
    }
    Label3[2].setVisible(false);
    Label3.onClick([this](int i) { Label3_Click(i); });
    Label3.onMouseMove(
        [this](int i, int b, int s, float x, float y) { Label3_MouseMove(i, b, s, x, y); });
    setExitControl(Label3[0]);
}

// Stacking follows creation, but the title is a member and so was created first: raise
// everything above the pictures in its order, the word labels last.
void ActivityScreen::stack() {
    Label5.forEach([](int, forms::Label& l) { l.raise(); });
    for (forms::Label* l : {Label7, Label8, Label9, &Label6}) {
        if (l) {
            l->raise();
        }
    }
    for (const auto* array : {&Label1, &Label4, &Label3, &Label2}) {
        array->forEach([](int, forms::Label& l) { l.raise(); });
    }
}

void ActivityScreen::Form_Load() {
    dressform(*this, m_program.display());
    if (m_data->background) {
        setBackColor(*m_data->background);
    }
    m_program.state.maxscore = itemCount();
    for (const casestudy::Picture& p : m_data->pictures) {
        m_program.loadPicture(Image1[p.index], p.file);
    }
    engine::Layout l = layout();
    engine::setUp(l);
    for (int i = 0; i < itemCount(); ++i) {
        const engine::Rect& h = l.homes[size_t(i)];
        Label4[i].setRect(h.left, h.top, h.width, h.height);
    }
    for (int i = 0; i < itemCount(); ++i) {
        Label2[i].setCaption(Label1[i].Caption());
        Label1[i].setCaption(QString());
        Label1[i].setBackStyle(BackStyle::Transparent);
    }
    for (int i = 0; i < itemCount(); ++i) {
        describe(i);
    }
}

engine::Layout ActivityScreen::layout() const {
    engine::Layout l;
    for (int i = 0; i < itemCount(); ++i) {
        l.labels.push_back(toEngine(Label2[i]));
        l.boxes.push_back(toEngine(Label1[i]));
        l.homes.push_back(toEngine(Label4[i]));
        l.groups.push_back(m_data->items[size_t(i)].group);
    }
    return l;
}

void ActivityScreen::place(int index, const engine::Rect& r) {
    forms::Label& label = Label2[index];
    if (label.Left() != r.left || label.Top() != r.top) {
        label.move(r.left, r.top);
    }
}

void ActivityScreen::Label2_MouseMove(int index, int button, int, float x, float y) {
    if (m_carry.carrying() && button != 0) {
        putBack(); // the pointer takes over
    }
    engine::Rect r = toEngine(Label2[index]);
    engine::drag(r, button, x, y);
    place(index, r);
}

void ActivityScreen::Label2_MouseUp(int index, int, int, float, float) {
    if (m_carry.carrying()) {
        putBack();
    }
    engine::Layout l = layout();
    const int snaps = engine::drop(l, index);
    place(index, l.labels[size_t(index)]);
    for (int i = 0; i < snaps; ++i) {
        m_program.play(QStringLiteral("wav\\thud3.wav"));
    }
    if (engine::ready(l, m_program.state.maxscore)) {
        Label3[2].setVisible(true);
    }
    describe(index);
}

void ActivityScreen::Label3_Click(int index) {
    putBack();
    m_program.state.score = 0;
    switch (index) {
    case 0:
        forms().unload(*this);
        break;
    case 1:
        startAgain();
        break;
    case 2:
        checkScore();
        break;
    }
    m_program.play(QStringLiteral("wav\\click.wav"));
}

void ActivityScreen::checkScore() {
    const auto rule = m_data->scoring == casestudy::Scoring::Index ? engine::Scoring::IndexMatch
                                                                   : engine::Scoring::Groups;
    m_program.state.score = engine::score(layout(), rule);
    // The results screen reads score and maxscore as it loads; the activity stays
    // underneath as it is.
    forms().show<Welldone>();
}

void ActivityScreen::startAgain() {
    engine::Layout l = layout();
    engine::startAgain(l);
    for (int i = 0; i < itemCount(); ++i) {
        place(i, l.labels[size_t(i)]);
        describe(i);
    }
    Label3[2].setVisible(false);
}

void ActivityScreen::Form_MouseMove(int, int, float, float) {
    m_hover.reset();
}

void ActivityScreen::Label3_MouseMove(int index, int, int, float, float) {
    m_hover.highlight(Label3[index]);
}
