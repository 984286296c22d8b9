#pragma once

#include "forms/controlarray.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/screen.h"
#include "reading/pagesahead.h"

struct Program;

// The Teachers' Guide: five fixed pages, one at a time, with a page counter, page
// turning, printing of the page on show and an exit.
class guide : public forms::Screen {
public:
    using Context = Program;
    explicit guide(Program& program);

    void Form_Load() override;
    // Only the reset half of the menu-label hover: the buttons lose their background
    // once the pointer crosses the screen and never regain it.
    void Form_MouseMove(int button, int shift, float x, float y) override;
    void Image1_MouseMove(int, int, float, float) {}
    void Label2_MouseMove(int, int, float, float) {}
    void Label3_MouseMove(int, int, int, float, float) {}
    void Label3_Click(int index);
    QString screenTitle() const override {
        return QStringLiteral("Teachers' Guide, ") + Label1.Caption();
    }

    static constexpr int kPages = 5;

    forms::Image Image1{this};                // screen drawing of the page on show, own size
    forms::Image Image2{this};                // print drawing of that page, never visible
    forms::Label Label2{this};                // heading line, empty
    forms::Label Label1{this};                // page counter
    forms::ControlArray<forms::Label> Label3; // Print, Exit, Next Page, Previous Page

private:
    void turnPage(int step);

    Program& m_program;
    reading::PagesAhead m_ahead;
};
