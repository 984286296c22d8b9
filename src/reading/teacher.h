#pragma once

#include "forms/controlarray.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/screen.h"
#include "forms/timer.h"
#include "reading/pagesahead.h"

struct Program;
namespace reading {
struct PageDrawings;
}

// The notes page viewer: one to four page drawings of the set named by pageset and
// pagecount, one at a time, with a page counter, page turning, printing of the page on
// show and an exit. With its page controls hidden it also shows the acknowledgments
// page and its logo animation.
class teacher : public forms::Screen {
public:
    using Context = Program;
    explicit teacher(Program& program);

    void Form_Load() override;
    // The buttons of this screen are never highlighted: its mouse moves do nothing.
    void Form_MouseMove(int, int, float, float) override {}
    void Image1_MouseMove(int, int, float, float) {}
    void Label3_MouseMove(int, int, int, float, float) {}
    void Label3_Click(int index);
    void Timer1_Timer();
    QString screenTitle() const override;

    forms::Image Image1{this};                // screen drawing of the page on show, own size
    forms::Image Image2{this};                // print drawing of that page, never visible
    forms::Label Label1{this};                // page counter
    forms::ControlArray<forms::Label> Label3; // Print, Exit, Next Page, Previous Page
    forms::PictureBox Picture1{this};         // logo animation frame
    forms::PictureBox Picture2{this};         // the maker's logo
    forms::Timer Timer1{this};                // logo animation clock

private:
    void turnPage(int step);
    void refresh(const reading::PageDrawings& drawings);
    void exitViewer();
    void reportMissingFrame(const QString& name);

    Program& m_program;
    reading::PagesAhead m_ahead;
};
