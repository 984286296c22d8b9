#include "shell/intro0.h"

#include "core/dressform.h"
#include "core/program.h"
#include "media/dialogs/dialogs.h"
#include "shell/casestudymenu.h"
#include "shell/titlefrm.h"

using forms::Align;
using forms::BackStyle;
using forms::FontSpec;

namespace {

const QColor kYellow(255, 255, 0);
const QColor kNavy(0, 0, 128);

struct Entry {
    int index;
    const char* caption;
    forms::TwipRect place;
    float size;
    QColor back;
    const char* caseStudy; // the case-study file the entry opens (casestudies/NAME.json)
};

// The menu entries as designed (indices 11 to 14 do not exist).
const Entry kEntries[] = {
    {15, "Kinver: The Facts", {720, 4560, 4155, 375}, 12, Qt::black, "kinver1"},
    {0, "Kinver: Development", {720, 5040, 4155, 375}, 12, Qt::black, "kinver2"},
    {1, "Blandford Forum: The Facts", {720, 5640, 4155, 375}, 12, Qt::black, "blandford1"},
    {2, "Blandford Forum: Development", {720, 6120, 4155, 375}, 12, Qt::black, "blandford2"},
    {3, "Manchester: The Facts", {720, 6720, 4155, 375}, 12, Qt::black, "manchester1"},
    {4, "Manchester: Development", {720, 7200, 4155, 375}, 12, Qt::black, "manchester2"},
    {5, "The Mbuti: The Facts", {7080, 4560, 4155, 375}, 12, Qt::black, "mbuti1"},
    {6, "The Mbuti: Development", {7080, 5040, 4155, 375}, 12, Qt::black, "mbuti2"},
    {7, "Alice Springs: The Facts", {7080, 5640, 4155, 375}, 12, Qt::black, "alicesprings1"},
    {8, "Alice Springs: Development", {7080, 6120, 4155, 375}, 12, Qt::black, "alicesprings2"},
    {9, "Venice: The Facts", {7080, 6720, 4155, 375}, 12, Qt::black, "venice1"},
    {10, "Venice: Development", {7080, 7200, 4155, 375}, 12, Qt::black, "venice2"},
    {20, "Teachers' Guide", {1200, 2760, 3135, 495}, 14.25f, kNavy, nullptr},
    {19, "Acknowledgments", {120, 7920, 2835, 495}, 14.25f, kNavy, nullptr},
    {17, "Multiple Choice Wizard", {3000, 7920, 3795, 495}, 15.75f, kNavy, nullptr},
    {18, "Worksheet Catalogue", {6840, 7920, 3675, 495}, 15.75f, kNavy, nullptr},
    {16, "Exit", {10560, 7920, 1245, 495}, 18, Qt::black, nullptr},
};

const Entry* entryOf(int index) {
    for (const Entry& e : kEntries) {
        if (e.index == index) {
            return &e;
        }
    }
    return nullptr;
}

struct Heading {
    const char* caption;
    forms::TwipRect place;
};

const Heading kHeadings[] = {
    {"United Kingdom", {720, 4080, 4155, 345}}, {"Overseas", {7095, 4080, 4155, 345}},
    {"Village", {5040, 4800, 1815, 345}},       {"Town", {5040, 5880, 1815, 345}},
    {"City", {5040, 6960, 1815, 345}},
};

void textLabel(forms::Label& l, const QString& text, forms::TwipRect r, float size, bool bold) {
    l.setRect(r);
    l.setCaption(text);
    l.setFont(FontSpec{QStringLiteral("Tahoma"), size, bold});
    l.setForeColor(kYellow);
    l.setAlignment(Align::Center);
    l.setBackStyle(BackStyle::Transparent);
}

void soundOption(forms::OptionButton& o, const QString& text, forms::TwipRect r) {
    o.setRect(r);
    o.setCaption(text);
    o.setFont(FontSpec{QStringLiteral("Tahoma"), 9.75f, true});
    o.setForeColor(kYellow);
}

} // namespace

intro0::intro0(Program& program) : Screen(program.forms), m_program(program) {
    textLabel(Label1, QStringLiteral("Placeworks"), {0, 120, 6240, 900}, 32.25f, true);
    textLabel(Label3, QStringLiteral("Geography case studies for primary schools"),
              {840, 960, 4440, 375}, 8.25f, false);
    soundOption(Option1, QStringLiteral("Sound On"), {2280, 1320, 1455, 255});
    soundOption(Option2, QStringLiteral("Sound Off"), {2280, 1680, 1455, 255});
    m_sound.add(Option1);
    m_sound.add(Option2);
    Option1.setValue(true);
    Option1.events.click = [this] { Option1_Click(); };
    Option2.events.click = [this] { Option2_Click(); };

    Image1.setStretch(true);
    Image1.setRect(6600, 240, 4860, 3645);

    int i = 0;
    for (const Heading& h : kHeadings) {
        textLabel(Label4.add(i++, this), QString::fromUtf8(h.caption), h.place, 14.25f, true);
    }
    buildEntries();

    Timer1.setInterval(1);
    Timer1.onTimer = [this] { Timer1_Timer(); };
}

void intro0::buildEntries() {
    for (const Entry& e : kEntries) {
        forms::Label& l = Label2.add(e.index, this);
        l.setRect(e.place);
        l.setCaption(QString::fromUtf8(e.caption));
        l.setFont(FontSpec{QStringLiteral("Tahoma"), e.size, true});
        l.setForeColor(kYellow);
        l.setBackColor(e.back);
        l.setBackStyle(BackStyle::Opaque);
        l.setAlignment(Align::Center);
        l.setBorder(true);
        m_hover.add(l);
    }
    Label2.onClick([this](int index) { Label2_Click(index); });
    Label2.onMouseMove(
        [this](int index, int b, int s, float x, float y) { Label2_MouseMove(index, b, s, x, y); });
    setExitControl(Label2[16]);
}

void intro0::Form_Load() {
    dressform(*this, m_program.display());
    m_program.loadPicture(Image1, QStringLiteral("Images\\venicesm.jpg"));
    Option1.setBackColor(QColor(39, 63, 137));
    Option2.setBackColor(QColor(39, 63, 137));
    m_program.state.soundon = 1;
    Timer1.setEnabled(true);
    m_ahead.start();
}

void intro0::Form_MouseMove(int, int, float, float) {
    m_hover.reset();
}

void intro0::Label2_MouseMove(int index, int, int, float, float) {
    m_hover.highlight(Label2[index]);
}

void intro0::Option1_Click() {
    m_program.state.soundon = 1;
}

void intro0::Option2_Click() {
    m_program.state.soundon = 0;
}

void intro0::Label2_Click(int index) {
    const Entry* entry = entryOf(index);
    if (entry && entry->caseStudy) {
        openCaseStudy(index, QString::fromLatin1(entry->caseStudy));
    }
    switch (index) {
    case 16:
        openExitConfirmation();
        break;
    case 17:
        openWizard();
        break;
    case 18:
        openCatalogue();
        break;
    case 19:
        openAcknowledgments();
        break;
    case 20:
        openGuide();
        break;
    }
    // The click follows the action, after the new screen has been shown.
    m_program.play(QStringLiteral("wav\\click.wav"));
}

void intro0::openExitConfirmation() {
    // Touching the title screen loads it, which brings the backdrop over this menu.
    forms().get<Titlefrm>().Command1.setCaption(QStringLiteral("Cancel"));
    forms().show<Titlefrm>();
}

// Reads the entry's case-study file afresh and shows its menu. A missing or damaged file
// is reported and the main menu stays as it was; nothing of the case study is loaded.
void intro0::openCaseStudy(int index, const QString& id) {
    using casestudy::CaseStudies;
    const CaseStudies::Result r = m_program.caseStudies.open(id);
    switch (r.status) {
    case CaseStudies::Status::Opened:
        forms().show<CaseStudyMenu>(id);
        break;
    case CaseStudies::Status::Missing:
        m_program.dialogs.message(
            QStringLiteral("The case study \"%1\" is not installed on this computer, so it "
                           "cannot be opened. The other case studies can be used as usual.")
                .arg(Label2[index].Caption()));
        break;
    case CaseStudies::Status::Damaged:
        m_program.dialogs.message(CaseStudies::describe(r));
        break;
    }
}
