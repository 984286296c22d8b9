#pragma once

#include "forms/controlarray.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/menuhover.h"
#include "forms/optionbutton.h"
#include "forms/screen.h"

struct Program;

// The quiz screen: puts the ten questions of the loaded quiz one at a time, records a
// mark per question on "Next", and after the tenth fills the wrong-answers screen and
// opens the results. Its opener loads the quiz first, then sets Picture1 and Label5
// (which loads this screen), then shows it.
class multiple : public forms::Screen {
public:
    using Context = Program;
    explicit multiple(Program& program);

    void Form_Load() override;
    void Form_MouseMove(int button, int shift, float x, float y) override;
    void showquest();
    void Label3_Click(int index);
    void Label3_MouseMove(int index, int button, int shift, float x, float y);
    void Option1_Click(int index);
    // Prints the loaded quiz as a worksheet; reports the outcome in a message.
    void Printpage();
    QString screenTitle() const override {
        return QStringLiteral("Multiple Choice: ") + Label6.Caption();
    }
    // The hidden "no choice" option, as showquest does: no answer shows as chosen, and
    // the arrow keys choose from there.
    QWidget* firstFocus() override { return &Option1[5]; }

    forms::Label Label1{this};
    forms::Label Label5{this};
    forms::Label Label6{this};
    forms::PictureBox Picture1{this};
    forms::Label Label4{this};
    forms::Label Label2{this};
    // Option1(5) stands for "no choice": selected to clear the others, kept under
    // Picture1, which is drawn over it, so the pupil never sees or clicks it.
    forms::ControlArray<forms::OptionButton> Option1;
    forms::ControlArray<forms::Label> Label3;

private:
    void nextQuestion();
    void finish();
    bool chosenIsCorrect() const;

    Program& m_program;
    forms::OptionGroup m_options{this};
    forms::MenuHover m_hover;
};
