#include "authoring/wizard.h"

#include "core/dressform.h"
#include "core/program.h"
#include "media/textfile/codepage.h"

#include <QWidget>

using forms::Align;
using forms::BackStyle;
using forms::FontSpec;

namespace {

const QColor kYellow(255, 255, 0);
const QColor kScreenBlue(39, 63, 137);

constexpr int kTitleLength = 25;
constexpr int kQuestionLength = 60;
constexpr int kAnswerLength = 30;

// Questions 6 to 10 stand in the right half, this far right of questions 1 to 5.
constexpr float kRightHalf = 5880;
constexpr float kRowStep = 1440;

// Answer k (A..D) of a question, relative to the question's row: A and B on the first
// line, C and D on the second.
struct AnswerPlace {
    float letterLeft, letterTop, letterWidth;
    float tickLeft, fieldLeft, top; // tick box and answer field share their top
};
const AnswerPlace kAnswers[4] = {
    {255, 1200, 270, 480, 720, 1230},    // A
    {3090, 1200, 255, 3330, 3600, 1230}, // B
    {270, 1560, 240, 480, 720, 1560},    // C
    {3090, 1560, 255, 3330, 3600, 1560}, // D
};
const char* const kLetters[4] = {"A.", "B.", "C.", "D."};

void caption(forms::Label& l, const QString& text, forms::TwipRect r, float size,
             Align align = Align::Left) {
    l.setRect(r);
    l.setCaption(text);
    l.setFont(FontSpec{QStringLiteral("Tahoma"), size, true});
    l.setForeColor(kYellow);
    l.setAlignment(align);
    l.setBackStyle(BackStyle::Transparent);
}

void field(forms::TextBox& t, forms::TwipRect r, float size, int maxLength) {
    t.setRect(r);
    t.setFont(FontSpec{QStringLiteral("Times New Roman"), size, false});
    t.setMaxLength(maxLength);
}

} // namespace

wizard::wizard(Program& program) : Screen(program.forms), m_program(program) {
    caption(Label1.add(0, this), QStringLiteral("Multiple Choice Wizard"), {0, 0, 4320, 540}, 18,
            Align::Center);
    caption(Label1.add(1, this), QStringLiteral("Worksheet Title"), {5160, 120, 2280, 345}, 14.25f);
    field(Text1, {7560, 120, 4215, 375}, 12, kTitleLength);
    Text1.setAccessibleName(QStringLiteral("Worksheet Title"));
    Text1.keyPress = [this](int key) { Text1_KeyPress(key); };

    for (int q = 0; q < 10; ++q) {
        buildQuestion(q);
    }
    Text2.forEach([this](int i, forms::TextBox& t) {
        t.keyPress = [this, i](int key) { Text2_KeyPress(i, key); };
    });
    Text3.forEach([this](int i, forms::TextBox& t) {
        t.keyPress = [this, i](int key) { Text3_KeyPress(i, key); };
    });
    buildButtons();
    setTabOrder();
    setExitControl(Label3[0]);
}

void wizard::buildQuestion(int q) {
    const float dx = q < 5 ? 0 : kRightHalf;
    const float row = kRowStep * float(q % 5);
    const float captionWidth = q == 9 ? 1170 : 1050;
    caption(Label1.add(2 + 5 * q, this), QStringLiteral("Question %1").arg(q + 1),
            {240 + dx, 600 + row, captionWidth, 240}, 9.75f);

    // Characters without a Windows-1252 byte could not be written to the quiz file, so
    // they are refused as they are typed rather than lost at saving.
    const auto storable = [](QChar c) { return media::isWindows1252(c); };
    const QString name = QStringLiteral("Question %1").arg(q + 1);
    forms::TextBox& question = Text2.add(q, this);
    field(question, {240 + dx, 840 + row, 5655, 375}, 12, kQuestionLength);
    question.setAccessibleName(name);
    question.setCharacterFilter(storable);

    for (int k = 0; k < 4; ++k) {
        const AnswerPlace& p = kAnswers[k];
        caption(Label1.add(3 + 5 * q + k, this), QString::fromLatin1(kLetters[k]),
                {p.letterLeft + dx, p.letterTop + row, p.letterWidth, 285}, 12);
        const QString answerName = name + QStringLiteral(", answer ") + QLatin1Char('A' + k);
        forms::CheckBox& tick = Check1.add(4 * q + k, this);
        tick.setRect(p.tickLeft + dx, p.top + row, 255, 315);
        tick.setAccessibleName(answerName + QStringLiteral(" is correct"));
        forms::TextBox& answer = Text3.add(4 * q + k, this);
        field(answer, {p.fieldLeft + dx, p.top + row, 2295, 330}, 9.75f, kAnswerLength);
        answer.setAccessibleName(answerName);
        answer.setCharacterFilter(storable);
    }
}

void wizard::buildButtons() {
    const struct {
        int index;
        const char* text;
        forms::TwipRect place;
    } buttons[] = {
        {0, "Exit", {10560, 7920, 1245, 495}},
        {1, "Save Worksheet", {240, 7920, 3165, 495}},
    };
    for (const auto& b : buttons) {
        forms::Label& l = Label3.add(b.index, this);
        caption(l, QString::fromLatin1(b.text), b.place, 15.75f, Align::Center);
        l.setBackColor(Qt::black);
        l.setBackStyle(BackStyle::Opaque);
        l.setBorder(true);
        m_hover.add(l);
    }
    Label3.onClick([this](int i) { Label3_Click(i); });
    Label3.onMouseMove(
        [this](int i, int b, int s, float x, float y) { Label3_MouseMove(i, b, s, x, y); });
}

void wizard::setTabOrder() {
    // Title, then each question's field and its answers A to D; the tick boxes, then
    // "Save Worksheet" and "Exit".
    QWidget* previous = &Text1;
    const auto chain = [&previous](QWidget& next) {
        QWidget::setTabOrder(previous, &next);
        previous = &next;
    };
    for (int q = 0; q < 10; ++q) {
        chain(Text2[q]);
        for (int k = 0; k < 4; ++k) {
            chain(Text3[4 * q + k]);
        }
    }
    Check1.forEach([&chain](int, forms::CheckBox& c) { chain(c); });
    chain(Label3[1]);
    chain(Label3[0]);
    setDesignedTabOrder(true);
}

void wizard::Form_Load() {
    dressform(*this, m_program.display());
    Check1.forEach([](int, forms::CheckBox& c) { c.setBackColor(kScreenBlue); });
}

void wizard::Form_MouseMove(int, int, float, float) {
    m_hover.reset();
}

void wizard::Label3_MouseMove(int index, int, int, float, float) {
    m_hover.highlight(Label3[index]);
}

void wizard::Label3_Click(int index) {
    if (index == 0) {
        forms().unload(*this);
    } else {
        genwork();
    }
    // After any message box of the save has been dismissed.
    m_program.play(QStringLiteral("wav\\click.wav"));
}

// Enter moves on through the form; the character itself is left to the field.
void wizard::Text1_KeyPress(int keyAscii) {
    if (keyAscii == 13) {
        Text2[0].setFocus();
    }
}

void wizard::Text2_KeyPress(int index, int keyAscii) {
    if (keyAscii == 13) {
        Text3[4 * index].setFocus();
    }
}

void wizard::Text3_KeyPress(int index, int keyAscii) {
    if (keyAscii != 13) {
        return;
    }
    if (index % 4 != 3) {
        Text3[index + 1].setFocus();
    } else if (index <= 38) {
        Text2[(index + 1) / 4].setFocus();
    }
}
