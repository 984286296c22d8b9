#pragma once

#include "forms/commandbutton.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/screen.h"

struct Program;

// The title screen: shown at start, and again as the main menu's exit confirmation
// with "OK" relabelled "Cancel".
class Titlefrm : public forms::Screen {
public:
    using Context = Program;
    explicit Titlefrm(Program& program);

    void Form_Load() override;
    void Command1_Click();
    void Command2_Click();
    QString screenTitle() const override;
    // Escape is "Cancel" on the exit confirmation; at start it does nothing, rather than
    // end the program.
    forms::ControlCore* exitControl() override;

    forms::Frame Frame1{this};
    forms::Label Label4{&Frame1};
    forms::PictureBox Picture1{&Frame1};
    forms::Label Label1{&Frame1};
    forms::Label Label5{&Frame1};
    forms::Label Label3{&Frame1};
    forms::CommandButton Command1{&Frame1};
    forms::CommandButton Command2{&Frame1};
    forms::Label Label2{&Frame1};

private:
    void loadSteps();
    void fallback();

    Program& m_program;
};
