#include "quiz/welldone.h"

#include "core/dressform.h"
#include "core/program.h"
#include "media/dialogs/dialogs.h"
#include "media/print/printservice.h"
#include "media/random/random.h"
#include "quiz/certificate.h"
#include "quiz/quiztext.h"
#include "quiz/scoring.h"
#include "quiz/wrong.h"

#include <QFontMetricsF>

using forms::Align;
using forms::BackStyle;
using forms::FontSpec;

namespace {

const QColor kYellow(255, 255, 0);
const QString kTimes = QStringLiteral("Times New Roman");

struct Text {
    forms::Label Welldone::*label;
    const char* caption;
    forms::TwipRect place;
    FontSpec font;
    bool visible;
};

const Text kTexts[] = {
    {&Welldone::Label4,
     "Well Done!",
     {0, 120, 12000, 900},
     {QStringLiteral("Tahoma"), 36, true},
     true},
    {&Welldone::Label1, "", {0, 5400, 12000, 855}, {kTimes, 24}, true},
    {&Welldone::Label5, "", {1680, 6000, 8640, 1335}, {kTimes, 24}, false},
    {&Welldone::Label6,
     "Read the Key Facts and try again.",
     {0, 6240, 12000, 855},
     {kTimes, 24},
     true},
    {&Welldone::Label2,
     "Enter your name in the box above before printing your certificate",
     {3120, 7440, 5775, 855},
     {kTimes, 18},
     false},
};

} // namespace

Welldone::Welldone(Program& program) : Screen(program.forms), m_program(program) {
    for (const Text& t : kTexts) {
        forms::Label& l = this->*t.label;
        l.setRect(t.place);
        l.setCaption(QString::fromUtf8(t.caption));
        l.setFont(t.font);
        l.setForeColor(kYellow);
        l.setAlignment(Align::Center);
        l.setBackStyle(BackStyle::Transparent);
        l.setVisible(t.visible);
    }
    Picture1.setObjectName(QStringLiteral("Picture1"));
    Picture1.setRect(5880, 1440, 4800, 3600);

    styleButton(Label3.add(0, this), QString(), 240, 1800, 3765, 495);
    styleButton(Label3.add(1, this), QStringLiteral("Exit"), 10560, 7920, 1245, 495);
    Label3[0].setVisible(false);
    m_hover.add(Label3[0]);
    m_hover.add(Label3[1]);
    Label3.onClick([this](int i) { Label3_Click(i); });
    setExitControl(Label3[1]);
    Label3.onMouseMove(
        [this](int i, int b, int s, float x, float y) { Label3_MouseMove(i, b, s, x, y); });

    Text1.setRect(3120, 6600, 5760, 615);
    Text1.setFont(FontSpec{kTimes, 24});
    Text1.setMaxLength(25);
    Text1.setVisible(false);
    Text1.setAccessibleName(QStringLiteral("Your name for the certificate"));

    Timer1.setInterval(1);
    Timer2.setInterval(10);
    Timer3.setInterval(1);
    Timer1.onTimer = [this] { Timer1_Timer(); };
    Timer2.onTimer = [this] { Timer2_Timer(); };
    Timer3.onTimer = [this] { Timer3_Timer(); };
}

void Welldone::Form_Load() {
    dressform(*this, m_program.display());
    showBand();
    // The reward runs once the caller has shown the screen: the timers fire only when
    // the event loop runs again.
    Timer1.setEnabled(true);
}

void Welldone::showBand() {
    const int score = m_program.state.score;
    const int maxscore = m_program.state.maxscore;
    const ScoreBand band = scoreBand(score, maxscore);
    if (band == ScoreBand::Full) {
        Label6.setVisible(false);
        Label3[0].setCaption(QStringLiteral("Print Certificate"));
        Label3[0].setVisible(true);
        Text1.setVisible(true);
        Label2.setVisible(true);
    } else {
        Label5.setCaption(QStringLiteral(
            "Click the button above to check which questions you answered incorrectly."));
        Label3[0].setCaption(QStringLiteral("Check Wrong Answers"));
    }
    Label1.setCaption(scoreMessage(score, maxscore, band));
}

QString Welldone::screenTitle() const {
    return Label4.Caption() + QLatin1Char(' ') + Label1.Caption();
}

QWidget* Welldone::firstFocus() {
    return Text1.Visible() ? &Text1 : Screen::firstFocus();
}

void Welldone::Timer1_Timer() {
    m_program.loadPicture(Picture1, QStringLiteral("images\\venicesm.jpg"));
    Timer1.setEnabled(false);
    Timer2.setEnabled(true);
}

void Welldone::Timer2_Timer() {
    if (Text1.Visible()) {
        Text1.setFocus();
    }
    Timer2.setEnabled(false);
    Label3[0].setBackStyle(BackStyle::Opaque);
    Label3[1].setBackStyle(BackStyle::Opaque);
    Timer3.setEnabled(true);
}

void Welldone::Timer3_Timer() {
    m_program.random.reseed();
    if (m_program.state.soundIsOn()) {
        playReward();
    }
    Timer3.setEnabled(false);
}

void Welldone::playReward() {
    const QStringList sounds = rewardSounds(m_program.state.score);
    if (sounds.size() == 1) {
        m_program.play(sounds.first());
    } else if (sounds.size() > 1) {
        const int n = int(sounds.size());
        m_program.play(sounds[pickIndex(m_program.random.next(), n)]);
    }
}

void Welldone::Form_MouseMove(int, int, float, float) {
    m_hover.reset();
}

void Welldone::Label3_MouseMove(int index, int, int, float, float) {
    m_hover.highlight(Label3[index]);
}

void Welldone::Label3_Click(int index) {
    const ProgramState& s = m_program.state;
    if (index == 0 && s.score == s.maxscore) {
        try {
            Printpage();
        } catch (const std::exception&) {
            m_program.dialogs.message(QStringLiteral("Printing has been cancelled."));
        }
        return; // no click after the certificate
    }
    if (index == 0) {
        forms().show<Wrong>();
    } else if (index == 1) {
        // After an activity the review was never loaded: nothing to close then.
        forms().unload<Wrong>();
        forms().unload(*this);
    }
    m_program.play(QStringLiteral("wav\\click.wav"));
}

Certificate Welldone::certificate() const {
    const ProgramState& s = m_program.state;
    Certificate c;
    c.subject = s.quizcaption;
    // Measured with the screen's own default font as designed, whatever the display.
    c.subjectWidth = forms::textWidthTwips(FontSpec{}, c.subject);
    c.name = Text1.Text();
    c.scoreLine = scoreMessage(s.score, s.maxscore);
    return c;
}

void Welldone::Printpage() {
    const Certificate c = certificate();
    try {
        std::unique_ptr<media::PrintJob> job = m_program.printer.begin();
        printCertificate(*job, c);
    } catch (...) {
        // The document is not ended; the screen stays as it was.
        m_program.dialogs.message(QStringLiteral("There was a problem printing to your printer."));
        return;
    }
    m_program.dialogs.message(QStringLiteral("Your certificate is now printing."));
}
