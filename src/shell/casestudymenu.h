#pragma once

#include "forms/controlarray.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/menuhover.h"
#include "forms/screen.h"
#include "shell/casestudy.h"

struct Program;

// A case study's menu: Key Facts, Multiple Choice, Teacher's Notes, Labelling
// Activity, Ordering Activity and Exit, fed by a CaseStudy row.
class CaseStudyMenu : public forms::Screen {
public:
    using Context = Program;
    CaseStudyMenu(Program& program, const CaseStudy& study);

    void Form_Load() override;
    void Form_MouseMove(int button, int shift, float x, float y) override;
    void label3_Click(int index);
    void label3_MouseMove(int index, int button, int shift, float x, float y);

    const CaseStudy& study() const { return m_study; }
    QString screenTitle() const override { return Label1.Caption(); }

    forms::Label Label1{this};
    forms::Image Image1{this};
    forms::ControlArray<forms::Label> label3;

private:
    void keyFacts();
    void teachersNotes();
    void multipleChoice();

    Program& m_program;
    const CaseStudy& m_study;
    forms::MenuHover m_hover;
};

class manchester1 : public CaseStudyMenu {
public:
    explicit manchester1(Program& program) : CaseStudyMenu(program, kManchesterFacts) {}
};

class manchester2 : public CaseStudyMenu {
public:
    explicit manchester2(Program& program) : CaseStudyMenu(program, kManchesterDevelopment) {}
};
