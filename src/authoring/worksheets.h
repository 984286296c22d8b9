#pragma once

#include "forms/checkbox.h"
#include "forms/controlarray.h"
#include "forms/label.h"
#include "forms/menuhover.h"
#include "forms/screen.h"

#include <QString>

struct Program;

// The Worksheets Catalogue: the register's titles, 24 to a page. A click on a title opens
// that worksheet as a quiz, fills the wizard with it (Edit) or removes it from the
// register (Delete), as the two tick boxes choose.
class worksheets : public forms::Screen {
public:
    using Context = Program;
    explicit worksheets(Program& program);

    static constexpr int kPerPage = 24;
    // The last page that offers "Next Page >>" no more (the 41st).
    static constexpr int kLastPage = 40;

    void Form_Load() override;
    void Form_MouseMove(int button, int shift, float x, float y) override;
    void workpage();
    void Label2_Click(int index);
    void Label2_MouseMove(int index, int button, int shift, float x, float y);
    void Label3_Click(int index);
    void Check1_Click();
    void Check2_Click();
    // Copies the loaded quiz into the wizard and shows it; throws when a correct-answer
    // line names no tick box of its question.
    void editworksheet();
    QString screenTitle() const override { return Label1.Caption(); }
    // The first title of the page, else "Exit": never a tick box, which a stray Space
    // would tick.
    QWidget* firstFocus() override;

    forms::Label Label1{this};
    forms::CheckBox Check1{this};
    forms::CheckBox Check2{this};
    // Label2(0) "Exit"; Label2(1..24) the titles of the page on show.
    forms::ControlArray<forms::Label> Label2;
    forms::ControlArray<forms::Label> Label3;
    forms::Label Label4{this};

private:
    void buildEntries();
    void buildButtons();
    void setTabOrder();
    bool loadWorksheet(const QString& title);
    void deleteWorksheet(const QString& title);
    void relistAfterDelete();
    void openAsQuiz();
    void reportCorrupted();

    Program& m_program;
    forms::MenuHover m_hover;
    // The clicked title as its quiz file is named (each "," shown turned back into "&").
    QString m_loadedTitle;
};
