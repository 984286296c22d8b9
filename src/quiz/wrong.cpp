#include "quiz/wrong.h"

#include "core/dressform.h"
#include "core/program.h"
#include "quiz/quiztext.h"
#include "quiz/welldone.h"

using forms::Align;
using forms::BackStyle;
using forms::FontSpec;

namespace {

const QColor kYellow(255, 255, 0);

void textLabel(forms::Label& l, const QString& caption, forms::TwipRect place, float size,
               const QColor& colour, Align align) {
    l.setRect(place);
    l.setCaption(caption);
    l.setFont(FontSpec{QStringLiteral("Tahoma"), size, true});
    l.setForeColor(colour);
    l.setAlignment(align);
    l.setBackStyle(BackStyle::Transparent);
}

} // namespace

Wrong::Wrong(Program& program) : Screen(program.forms), m_program(program) {
    textLabel(Label6, QString(), {0, 120, 12000, 540}, 20.25f, kYellow, Align::Center);
    textLabel(Label4, QStringLiteral("You answered the following questions incorrectly."),
              {240, 960, 12000, 540}, 15.75f, kYellow, Align::Left);
    for (int i = 0; i < 10; ++i) {
        forms::Label& line = Label2.add(i, this);
        textLabel(line, QString(), {120, 1680 + 600.0f * i, 12000, 540}, 15.75f, Qt::white,
                  Align::Left);
        line.setVisible(false);
    }
    textLabel(Label5, QStringLiteral("Read the Key Facts and try again."), {0, 7920, 12000, 540},
              20.25f, kYellow, Align::Center);
    // No hover highlight on this button.
    styleButton(Label3.add(1, this), QStringLiteral("Exit"), 10560, 7920, 1245, 495);
    Label3.onClick([this](int i) { Label3_Click(i); });
    setExitControl(Label3[1]);
}

void Wrong::Form_Load() {
    dressform(*this, m_program.display());
}

void Wrong::Label3_Click(int) {
    // No sound here.
    forms().unload<Welldone>();
    forms().unload(*this);
}
