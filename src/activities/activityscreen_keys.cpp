// The activity screen and the keyboard: words carried from box to box, and what screen
// readers are told about the screen and its words.
#include "activities/activityscreen.h"

bool ActivityScreen::Label2_KeyDown(int index, int key, int) {
    const bool action = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    if (!m_carry.carrying()) {
        if (!action) {
            return false;
        }
        m_carry.pickUp(layout(), index);
        Label2[index].raise();
        Label2[index].setLifted(true);
        return true;
    }
    switch (key) {
    case Qt::Key_Right:
    case Qt::Key_Down:
    case Qt::Key_Tab:
        carryBy(1);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Backtab:
        carryBy(-1);
        return true;
    case Qt::Key_Escape:
        putBack();
        return true;
    default:
        if (action) {
            putDown();
        }
        return action;
    }
}

void ActivityScreen::carryBy(int step) {
    engine::Layout l = layout();
    m_carry.move(l, step);
    const int w = m_carry.word();
    place(w, l.labels[size_t(w)]);
    describe(w);
}

// The pointer's release, with the word where the keys left it.
void ActivityScreen::putDown() {
    const int w = m_carry.end();
    Label2[w].setLifted(false);
    Label2_MouseUp(w, 1, 0, 0, 0);
}

void ActivityScreen::putBack() {
    if (!m_carry.carrying()) {
        return;
    }
    engine::Layout l = layout();
    const int w = m_carry.word();
    m_carry.putBack(l);
    place(w, l.labels[size_t(w)]);
    Label2[w].setLifted(false);
    describe(w);
}

void ActivityScreen::describe(int index) {
    std::vector<engine::Caption> texts;
    const auto add = [&texts](const forms::Label& l) {
        texts.push_back({{l.Left(), l.Top(), l.Width(), l.Height()}, l.Caption()});
    };
    Label5.forEach([&add](int, const forms::Label& l) { add(l); });
    for (const forms::Label* l : {Label7, Label8, Label9}) {
        if (l) {
            add(*l);
        }
    }
    forms::Label& word = Label2[index];
    word.setAccessibleName(word.Caption() + QStringLiteral(", ") +
                           engine::describePlace(layout(), index, texts));
}

QString ActivityScreen::screenTitle() const {
    const forms::Label* instruction = Label7 ? Label7 : Label8;
    return instruction ? Label6.Caption() + QStringLiteral(": ") + instruction->Caption()
                       : Label6.Caption();
}
