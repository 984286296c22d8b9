#pragma once

#include "forms/controlarray.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/menuhover.h"
#include "forms/screen.h"
#include "forms/textbox.h"
#include "forms/timer.h"

struct Program;
struct Certificate;

// The results screen: the score in one of three bands, then, once shown, the reward
// picture, the focus and a reward sound chosen at random by score (three one-shot
// timers in a row). Full marks offer a certificate; otherwise "Check Wrong Answers",
// which only the quiz screen makes visible.
class Welldone : public forms::Screen {
public:
    using Context = Program;
    explicit Welldone(Program& program);

    void Form_Load() override;
    void Form_MouseMove(int button, int shift, float x, float y) override;
    void Label3_Click(int index);
    void Label3_MouseMove(int index, int button, int shift, float x, float y);
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    QString screenTitle() const override;
    // The name box after full marks.
    QWidget* firstFocus() override;
    // Prints the certificate. A failure of the print run (no printer, a fault, anything
    // thrown from the document) is reported here as a printer problem. What goes wrong
    // outside the run (gathering the texts and measuring the subject line before it, or
    // confirming it after) leaves this routine: the button reports that as cancelled.
    void Printpage();

    forms::Label Label4{this};
    forms::PictureBox Picture1{this};
    forms::ControlArray<forms::Label> Label3;
    forms::Label Label1{this};
    forms::Label Label5{this};
    forms::Label Label6{this};
    forms::TextBox Text1{this};
    forms::Label Label2{this};
    forms::Timer Timer1{this};
    forms::Timer Timer2{this};
    forms::Timer Timer3{this};

private:
    void showBand();
    Certificate certificate() const;
    void playReward();

    Program& m_program;
    forms::MenuHover m_hover;
};
