#pragma once

#include "core/casestudy/casestudyfile.h"
#include "forms/controlarray.h"
#include "forms/drawahead.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/menuhover.h"
#include "forms/screen.h"

#include <memory>

struct Program;

// A case study's menu: Key Facts, Multiple Choice, Teacher's Notes, Labelling
// Activity, Ordering Activity and Exit, fed by a case-study file. The screen's id is the
// file's name ("manchester1"); the file must have been opened (Program::caseStudies)
// before the screen is first touched, and the screen keeps its data while it is loaded.
class CaseStudyMenu : public forms::Screen {
public:
    using Context = Program;
    CaseStudyMenu(Program& program, const QString& id);

    void Form_Load() override;
    void Form_MouseMove(int button, int shift, float x, float y) override;
    void label3_Click(int index);
    void label3_MouseMove(int index, int button, int shift, float x, float y);

    const casestudy::Menu& study() const { return *m_study; }
    QString screenTitle() const override { return Label1.Caption(); }

    forms::Label Label1{this};
    forms::Image Image1{this};
    forms::ControlArray<forms::Label> label3;

private:
    void keyFacts();
    void teachersNotes();
    // What is drawn ahead while the menu is read: the first key-fact page, the notes page
    // and the activities' pictures.
    std::vector<forms::DrawAhead::Drawing> drawingsAhead();
    void multipleChoice();
    template <class S> void openActivity(const QString& screenId);

    Program& m_program;
    const std::shared_ptr<const casestudy::Menu> m_study;
    forms::MenuHover m_hover;
    forms::DrawAhead m_ahead{*this, [this] { return drawingsAhead(); }};
};
