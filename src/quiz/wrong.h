#pragma once

#include "forms/controlarray.h"
#include "forms/label.h"
#include "forms/screen.h"

struct Program;

// The wrong-answers review: the quiz screen fills its title and one line per wrong
// answer as the quiz ends; the results screen shows it. "Exit" closes both.
class Wrong : public forms::Screen {
public:
    using Context = Program;
    explicit Wrong(Program& program);

    void Form_Load() override;
    void Label3_Click(int index);
    QString screenTitle() const override { return Label4.Caption(); }

    forms::Label Label6{this};
    forms::Label Label4{this};
    forms::ControlArray<forms::Label> Label2; // lines 0..9, hidden until filled
    forms::Label Label5{this};
    forms::ControlArray<forms::Label> Label3; // only Label3(1), "Exit"

private:
    Program& m_program;
};
