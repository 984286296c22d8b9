#include "authoring/worksheets.h"

#include "authoring/register/worksheetfolder.h"
#include "authoring/register/worksheetregister.h"
#include "core/dressform.h"
#include "core/program.h"
#include "media/dialogs/dialogs.h"
#include "media/textfile/fieldreader.h"
#include "quiz/file/commaencoding.h"
#include "quiz/file/quizfile.h"

#include <QDir>

using forms::Align;
using forms::BackStyle;
using forms::FontSpec;

namespace {

const QColor kYellow(255, 255, 0);
const QColor kScreenBlue(39, 63, 137);

void styled(forms::Label& l, const QString& text, forms::TwipRect r, float size) {
    l.setRect(r);
    l.setCaption(text);
    l.setFont(FontSpec{QStringLiteral("Tahoma"), size, true});
    l.setForeColor(kYellow);
    l.setAlignment(Align::Center);
}

void button(forms::Label& l, const QString& text, forms::TwipRect r, float size) {
    styled(l, text, r, size);
    l.setBackColor(Qt::black);
    l.setBackStyle(BackStyle::Opaque);
    l.setBorder(true);
}

void tickBox(forms::CheckBox& c, const QString& text, forms::TwipRect r, const QColor& fore) {
    c.setRect(r);
    c.setCaption(text);
    c.setFont(FontSpec{QStringLiteral("Tahoma"), 12, true});
    c.setForeColor(fore);
}

// Titles 1..12 in the left column, 13..24 in the right, 600 twips apart.
forms::TwipRect entryPlace(int i) {
    const bool left = i <= 12;
    const float row = float(left ? i - 1 : i - 13);
    const float width = (i == 7 || i == 15) ? 5685 : 5715;
    return {left ? 120.0f : 6120.0f, 720 + 600 * row, width, 375};
}

} // namespace

worksheets::worksheets(Program& program) : Screen(program.forms), m_program(program) {
    styled(Label1, QStringLiteral("Worksheets Catalogue"), {0, 0, 12000, 780}, 24);
    Label1.setBackStyle(BackStyle::Transparent);
    tickBox(Check1, QStringLiteral("Edit Worksheet"), {120, 120, 2535, 375}, kYellow);
    tickBox(Check2, QStringLiteral("Delete Worksheet"), {9240, 120, 2535, 375}, QColor(255, 0, 0));
    Check1.events.click = [this] { Check1_Click(); };
    Check2.events.click = [this] { Check2_Click(); };
    buildEntries();
    buildButtons();
    setTabOrder();
    setExitControl(Label2[0]);
}

// The titles down the left column, then down the right, as the register lists them; the
// page buttons, the two tick boxes, "Exit".
void worksheets::setTabOrder() {
    QWidget* previous = &Label2[1];
    const auto chain = [&previous](QWidget& next) {
        QWidget::setTabOrder(previous, &next);
        previous = &next;
    };
    for (int i = 2; i <= kPerPage; ++i) {
        chain(Label2[i]);
    }
    chain(Label3[0]);
    chain(Label3[1]);
    chain(Check1);
    chain(Check2);
    chain(Label2[0]);
    setDesignedTabOrder(true);
}

QWidget* worksheets::firstFocus() {
    return Label2[1].Visible() ? &Label2[1] : &Label2[0];
}

void worksheets::buildEntries() {
    button(Label2.add(0, this), QStringLiteral("Exit"), {10560, 7920, 1245, 495}, 18);
    for (int i = 1; i <= kPerPage; ++i) {
        button(Label2.add(i, this), QString(), entryPlace(i), 12);
    }
    Label2.forEach([this](int, forms::Label& l) { m_hover.add(l); });
    Label2.onClick([this](int i) { Label2_Click(i); });
    Label2.onMouseMove(
        [this](int i, int b, int s, float x, float y) { Label2_MouseMove(i, b, s, x, y); });
}

void worksheets::buildButtons() {
    button(Label3.add(0, this), QStringLiteral("<< Previous Page"), {2640, 7920, 3195, 495},
           15.75f);
    button(Label3.add(1, this), QStringLiteral("Next Page >>"), {6000, 7920, 3195, 495}, 15.75f);
    Label3[0].setVisible(false);
    Label3[1].setVisible(false);
    Label3.onClick([this](int i) { Label3_Click(i); });

    styled(Label4, QStringLiteral("Page 1"), {120, 7920, 1995, 495}, 15.75f);
    Label4.setForeColor(QColor(0, 0, 255));
    Label4.setBackColor(QColor(255, 255, 255));
    Label4.setBackStyle(BackStyle::Opaque);
    Label4.setBorder(true);
}

void worksheets::Form_Load() {
    dressform(*this, m_program.display());
    // What is in the folder now: other computers may have saved or deleted since.
    reg::catalogueRead(m_program.files, m_program.state, m_program.worksheets);
    if (!reg::reachable(m_program.worksheets)) {
        m_program.dialogs.message(
            QStringLiteral("The worksheet folder \"%1\" cannot be reached, so no worksheets can "
                           "be listed. Check the network connection, or ask whoever looks after "
                           "Placeworks. The quizzes of the case studies can still be used.")
                .arg(QDir::toNativeSeparators(m_program.worksheets)));
    }
    Check1.setBackColor(kScreenBlue);
    Check2.setBackColor(kScreenBlue);
    m_program.state.catpage = 0;
    for (int i = 1; i <= kPerPage; ++i) {
        Label2[i].setVisible(false);
        Label2[i].setFont(FontSpec{QStringLiteral("Tahoma"), 12, true});
    }
    const int count = m_program.state.worksheetcount.value_or(0);
    int last = count;
    if (count >= kPerPage + 1) {
        last = kPerPage;
        Label3[1].setVisible(true);
    }
    for (int i = 1; i <= last; ++i) {
        Label2[i].setCaption(m_program.state.worksheetnames.at(i));
        Label2[i].setVisible(true);
    }
}

void worksheets::workpage() {
    const int page = m_program.state.catpage;
    const int count = m_program.state.worksheetcount.value_or(0);
    for (int i = 1; i <= kPerPage; ++i) {
        Label2[i].setCaption(QString());
        Label2[i].setVisible(false);
    }
    Label3[0].setVisible(page != 0);
    // The 41st page is the last that can be reached, whatever titles follow it.
    Label3[1].setVisible(page != kLastPage);
    Label4.setCaption(QStringLiteral("Page %1").arg(page + 1));
    int last = kPerPage * page + kPerPage;
    if (count < kPerPage * page + kPerPage + 1) {
        last = count;
        Label3[1].setVisible(false);
    }
    for (int i = kPerPage * page + 1; i <= last; ++i) {
        Label2[i - kPerPage * page].setCaption(m_program.state.worksheetnames.at(i));
        Label2[i - kPerPage * page].setVisible(true);
    }
}

void worksheets::Form_MouseMove(int, int, float, float) {
    m_hover.reset();
}

void worksheets::Label2_MouseMove(int index, int, int, float, float) {
    m_hover.highlight(Label2[index]);
}

void worksheets::Label3_Click(int index) {
    m_program.state.catpage += index == 0 ? -1 : 1;
    workpage();
    m_program.play(QStringLiteral("wav\\click.wav"));
}

void worksheets::Check1_Click() {
    if (Check1.Value() == 1) {
        Check2.setValue(0);
    }
}

void worksheets::Check2_Click() {
    if (Check2.Value() == 1) {
        Check1.setValue(0);
    }
}
