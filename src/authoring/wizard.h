#pragma once

#include "forms/checkbox.h"
#include "forms/controlarray.h"
#include "forms/label.h"
#include "forms/menuhover.h"
#include "forms/screen.h"
#include "forms/textbox.h"

#include <QString>
#include <optional>

struct Program;

// The Multiple Choice Wizard: a title and ten questions of four answers with one ticked
// correct answer each. "Save Worksheet" checks the form, writes the quiz file and enters
// the title in the worksheet register. Question n (1..10) uses q = n - 1: its field
// Text2(q), answers A..D in Text3(4q..4q+3), their tick boxes Check1(4q..4q+3).
class wizard : public forms::Screen {
public:
    using Context = Program;
    explicit wizard(Program& program);

    void Form_Load() override;
    void Form_MouseMove(int button, int shift, float x, float y) override;
    void Label3_Click(int index);
    void Label3_MouseMove(int index, int button, int shift, float x, float y);
    void Text1_KeyPress(int keyAscii);
    void Text2_KeyPress(int index, int keyAscii);
    void Text3_KeyPress(int index, int keyAscii);

    QString screenTitle() const override { return QStringLiteral("Multiple Choice Wizard"); }

    void genwork();
    void saveworksheet();

    // The catalogue fills the wizard with the worksheet of this title: saving under the
    // same title then replaces that worksheet without asking.
    void openedForEditing(const QString& title) { m_ownTitle = title; }

    // Label1(0) heading, Label1(1) "Worksheet Title", Label1(2..51) the question
    // captions and the letters A. to D. of every question.
    forms::ControlArray<forms::Label> Label1;
    forms::TextBox Text1{this};
    forms::ControlArray<forms::TextBox> Text2;
    forms::ControlArray<forms::TextBox> Text3;
    forms::ControlArray<forms::CheckBox> Check1;
    forms::ControlArray<forms::Label> Label3;

private:
    void buildQuestion(int q);
    void buildButtons();
    void setTabOrder();
    std::optional<QString> incompleteQuestion() const;
    bool mayWrite(const QString& title);

    Program& m_program;
    forms::MenuHover m_hover;
    // The title this wizard's worksheet was opened or last saved under; replacing that
    // worksheet needs no confirmation.
    QString m_ownTitle;
};
