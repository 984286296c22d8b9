#pragma once

#include "forms/controlarray.h"
#include "forms/drawahead.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/menuhover.h"
#include "forms/optionbutton.h"
#include "forms/screen.h"
#include "forms/timer.h"

struct Program;

// The main menu: the case studies, the teachers' entries, the sound switch, and the
// register's start-up read once after it loads.
class intro0 : public forms::Screen {
public:
    using Context = Program;
    explicit intro0(Program& program);

    void Form_Load() override;
    void Form_MouseMove(int button, int shift, float x, float y) override;
    void Label2_Click(int index);
    void Label2_MouseMove(int index, int button, int shift, float x, float y);
    void Option1_Click();
    void Option2_Click();
    void Timer1_Timer();
    QString screenTitle() const override { return QStringLiteral("Main menu"); }
    // The first case study rather than the sound switch above it.
    QWidget* firstFocus() override { return &Label2[15]; }

    forms::Label Label1{this};
    forms::Label Label3{this};
    forms::OptionButton Option1{this};
    forms::OptionButton Option2{this};
    forms::Image Image1{this};
    forms::ControlArray<forms::Label> Label4;
    forms::ControlArray<forms::Label> Label2;
    forms::Timer Timer1{this};

private:
    void buildEntries();
    void openGuide();
    // What is drawn ahead while the menu is read: the Teachers' Guide's first page and
    // the acknowledgments.
    std::vector<forms::DrawAhead::Drawing> drawingsAhead();
    void openAcknowledgments();
    void openWizard();
    void openCatalogue();
    void openExitConfirmation();
    void openCaseStudy(int index, const QString& id);

    Program& m_program;
    forms::OptionGroup m_sound{this};
    forms::MenuHover m_hover;
    forms::DrawAhead m_ahead{*this, [this] { return drawingsAhead(); }};
};
