#pragma once

#include "activities/engine/engine.h"
#include "activities/engine/keyboard.h"
#include "core/casestudy/casestudyfile.h"
#include "forms/controlarray.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/menuhover.h"
#include "forms/screen.h"

#include <memory>

struct Program;

// The drag-and-drop activity: word labels dragged into answer boxes over pictures or
// beside texts, then scored. Every activity screen is this one design fed with the data
// of a case-study file. The labels keep the positions; the engine works on a copy of their
// rectangles taken just before each step and written back after it.
class ActivityScreen : public forms::Screen {
public:
    using Context = Program;
    // screenId names the activity among the case-study menus opened (menu id + "lab" or
    // "ord", as "manchester1lab"); the screen keeps that data while it is loaded.
    ActivityScreen(Program& program, const QString& screenId);

    void Form_Load() override;
    void Form_MouseMove(int button, int shift, float x, float y) override;
    void Label2_MouseMove(int index, int button, int shift, float x, float y);
    void Label2_MouseUp(int index, int button, int shift, float x, float y);
    void Label3_Click(int index);
    void Label3_MouseMove(int index, int button, int shift, float x, float y);
    // A word and the keyboard: Space or Enter picks it up, the arrow keys and Tab carry it
    // from box to box, Space or Enter puts it down there as a pointer release would, and
    // Escape puts it back.
    bool Label2_KeyDown(int index, int key, int shift);
    QString screenTitle() const override;

    int itemCount() const { return int(m_data->items.size()); }
    const QString& screenId() const { return m_id; }
    // The rectangles of word labels, boxes and home slots as the labels hold them now.
    engine::Layout layout() const;

    // Declared bottom to top: pictures, static texts, boxes, home slots, buttons, word
    // labels, so that the word labels take the press wherever they overlap anything.
    forms::ControlArray<forms::Image> Image1;
    forms::ControlArray<forms::Label> Label5;
    forms::Label* Label7 = nullptr; // the single static texts, on the screens that have them
    forms::Label* Label8 = nullptr;
    forms::Label* Label9 = nullptr;
    forms::Label Label6{this};
    forms::ControlArray<forms::Label> Label1; // answer boxes
    forms::ControlArray<forms::Label> Label4; // home slots
    forms::ControlArray<forms::Label> Label3; // 0 Exit, 1 Start Again, 2 Check Score
    forms::ControlArray<forms::Label> Label2; // word labels

private:
    void buildStatics();
    void buildItems();
    void buildButtons();
    void stack();
    void checkScore();
    void startAgain();
    void place(int index, const engine::Rect& r);
    void carryBy(int step);
    void putDown();
    void putBack();
    // Names word label i for screen readers: its word and where it now lies.
    void describe(int index);

    Program& m_program;
    const QString m_id;
    const std::shared_ptr<const casestudy::Activity> m_data;
    forms::MenuHover m_hover;
    engine::KeyboardCarry m_carry;
};

// A labelling activity: names onto a map, or under pictures.
class LabellingScreen : public ActivityScreen {
public:
    using ActivityScreen::ActivityScreen;
};

// An ordering activity: sentence endings beside their beginnings, or statements sorted
// into true and false.
class OrderingScreen : public ActivityScreen {
public:
    using ActivityScreen::ActivityScreen;
};
