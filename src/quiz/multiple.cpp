#include "quiz/multiple.h"

#include "core/dressform.h"
#include "core/program.h"
#include "media/dialogs/dialogs.h"
#include "media/print/printservice.h"
#include "quiz/quiztext.h"
#include "quiz/scoring.h"
#include "quiz/welldone.h"
#include "quiz/worksheetprint.h"
#include "quiz/wrong.h"

using forms::Align;
using forms::BackStyle;
using forms::FontSpec;

namespace {

const QColor kYellow(255, 255, 0);
const QColor kScreenBlue(39, 63, 137);
const QString kTimes = QStringLiteral("Times New Roman");
const QString kClick = QStringLiteral("wav\\click.wav");

struct Text {
    forms::Label multiple::*label;
    const char* caption;
    forms::TwipRect place;
    FontSpec font;
    QColor colour;
    Align align;
};

const Text kTexts[] = {
    {&multiple::Label1,
     "Multiple Choice",
     {120, 120, 6240, 900},
     {QStringLiteral("Tahoma"), 36, true},
     kYellow,
     Align::Center},
    {&multiple::Label5, "", {120, 1200, 6465, 585}, {kTimes, 24}, QColor(0, 255, 0), Align::Center},
    {&multiple::Label6,
     "",
     {120, 1920, 6465, 705},
     {kTimes, 24},
     QColor(128, 128, 255),
     Align::Center},
    {&multiple::Label4, "", {360, 3240, 5415, 615}, {kTimes, 24}, kYellow, Align::Left},
    {&multiple::Label2, "", {960, 3960, 9840, 1455}, {kTimes, 30}, kYellow, Align::Center},
};

struct Button {
    int index;
    const char* caption;
    forms::TwipRect place;
    bool visible;
};

const Button kButtons[] = {
    {0, "<< Previous Question", {2040, 7920, 3765, 495}, false},
    {1, "Next Question >>", {6000, 7920, 3765, 495}, true},
    {2, "Exit", {10560, 7920, 1245, 495}, true},
    {3, "Print Worksheet", {7920, 1920, 3045, 495}, false},
};

} // namespace

multiple::multiple(Program& program) : Screen(program.forms), m_program(program) {
    for (const Text& t : kTexts) {
        forms::Label& l = this->*t.label;
        l.setRect(t.place);
        l.setCaption(QString::fromUtf8(t.caption));
        l.setFont(t.font);
        l.setForeColor(t.colour);
        l.setAlignment(t.align);
        l.setBackStyle(BackStyle::Transparent);
    }
    Picture1.setObjectName(QStringLiteral("Picture1"));
    Picture1.setRect(6840, 240, 855, 615);

    for (int k = 1; k <= 5; ++k) {
        forms::OptionButton& o = Option1.add(k, this);
        // Option1(5) is small enough to lie wholly under Picture1 once moved there.
        o.setRect(k < 5 ? forms::TwipRect{2400, 5400 + 600.0f * (k - 1), 6975, 525}
                        : forms::TwipRect{2400, 4800, 255, 255});
        o.setFont(FontSpec{kTimes, 20.25f});
        o.setForeColor(kYellow);
        m_options.add(o);
    }
    Option1.onClick([this](int k) { Option1_Click(k); });
    Picture1.raise();

    for (const Button& b : kButtons) {
        forms::Label& l = Label3.add(b.index, this);
        styleButton(l, QString::fromUtf8(b.caption), b.place.left, b.place.top, b.place.width,
                    b.place.height);
        l.setVisible(b.visible);
        m_hover.add(l);
    }
    Label3.onClick([this](int i) { Label3_Click(i); });
    setExitControl(Label3[2]);
    Label3.onMouseMove(
        [this](int i, int b, int s, float x, float y) { Label3_MouseMove(i, b, s, x, y); });
}

void multiple::Form_Load() {
    dressform(*this, m_program.display());
    ProgramState& s = m_program.state;
    s.score = 0;
    s.maxscore = 10;
    s.questno = 1;
    for (int i = 1; i <= 10; ++i) {
        s.marks[i] = 0;
    }
    Option1[5].move(Picture1.Left() + 240, Picture1.Top() + 240);
    for (int k = 1; k <= 4; ++k) {
        Option1[k].setBackColor(kScreenBlue);
    }
    Label6.setCaption(s.quiztitle);
    showquest();
}

void multiple::showquest() {
    const ProgramState& s = m_program.state;
    const int q = s.questno;
    Option1[5].setValue(true);
    Label3[0].setVisible(true);
    Label3[1].setCaption(QStringLiteral("Next Question >>"));
    Label4.setCaption(QStringLiteral("Question") + numberText(q));
    Label2.setCaption(s.questions.at(q));
    // Read out with the question, also when the focus rests on the hidden option.
    const QString spoken = QStringLiteral("Question %1 of 10: %2").arg(q).arg(s.questions.at(q));
    Label2.setAccessibleName(spoken);
    Option1[5].setAccessibleName(spoken);
    Option1[1].setCaption(s.answer1.at(q));
    Option1[2].setCaption(s.answer2.at(q));
    Option1[3].setCaption(s.answer3.at(q));
    Option1[4].setCaption(s.answer4.at(q));
    if (q == 1) {
        Label3[0].setVisible(false);
    }
    if (q == 10) {
        Label3[1].setCaption(QStringLiteral("Check Score >>"));
    }
    if (Option1[5].Visible()) {
        Option1[5].setFocus();
    }
}

void multiple::Form_MouseMove(int, int, float, float) {
    m_hover.reset();
}

void multiple::Label3_MouseMove(int index, int, int, float, float) {
    m_hover.highlight(Label3[index]);
}

void multiple::Option1_Click(int) {
    m_program.play(QStringLiteral("wav\\typekey.wav"));
}

void multiple::Label3_Click(int index) {
    switch (index) {
    case 0:
        m_program.state.questno -= 1;
        showquest();
        break;
    case 1:
        nextQuestion();
        break;
    case 2:
        forms().unload(*this);
        break;
    case 3:
        Printpage();
        break;
    }
    m_program.play(kClick);
}

bool multiple::chosenIsCorrect() const {
    // Option1(5), the "no choice" option, never counts as an answer.
    const int k = correctOption(m_program.state.correct.at(m_program.state.questno));
    return k != 0 && Option1[k].Value();
}

void multiple::nextQuestion() {
    ProgramState& s = m_program.state;
    s.marks.at(s.questno) = chosenIsCorrect() ? 1 : 0;
    s.questno += 1;
    if (s.questno < 11) {
        showquest();
    } else {
        finish();
    }
}

void multiple::finish() {
    ProgramState& s = m_program.state;
    Wrong& wrong = forms().get<Wrong>();
    for (int i = 1; i <= 10; ++i) {
        s.score += s.marks[i];
        // score counts the right answers among 1..i, so wrong ones fill lines 0, 1, ...
        const int line = i - 1 - s.score;
        if (s.marks[i] == 0 && wrong.Label2.contains(line)) {
            wrong.Label2[line].setCaption(numberText(i) + QStringLiteral(". ") + s.questions[i]);
            wrong.Label2[line].setVisible(true);
        }
    }
    s.quizcaption = Label5.Caption();
    wrong.Label6.setCaption(Label6.Caption());
    // The results screen's Form_Load reads score and maxscore, so it is touched only now.
    Welldone& results = forms().get<Welldone>();
    results.Label6.setVisible(false);
    results.Label5.setVisible(true);
    results.Label3[0].setVisible(true);
    forms().show<Welldone>();
    forms().unload(*this);
}

void multiple::Printpage() {
    try {
        std::unique_ptr<media::PrintJob> job = m_program.printer.begin();
        printWorksheet(*job, Label5.Caption(), Label6.Caption(), m_program.state);
    } catch (...) {
        // The document is not ended; the screen stays on its question and choice.
        m_program.dialogs.message(QStringLiteral("There was a problem printing to your printer."));
        return;
    }
    m_program.dialogs.message(QStringLiteral("Your worksheet is now printing."));
}
