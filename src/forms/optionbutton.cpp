#include "forms/optionbutton.h"

#include "forms/indicatorstyle.h"
#include "forms/readingorder.h"

#include <QKeyEvent>

namespace forms {

OptionButton::OptionButton(QWidget* parent) : Control<QRadioButton>(parent) {
    setStyle(IndicatorStyle::instance());
    // Exclusive by its OptionGroup, which Qt prefers to the siblings when a button has
    // one; auto-exclusive so that screen readers call it a radio button.
    setAutoExclusive(true);
    connect(this, &QRadioButton::clicked, this, [this] {
        if (events.click) {
            events.click();
        }
    });
}

void OptionButton::keyPressEvent(QKeyEvent* e) {
    const int key = e->key();
    const bool arrow =
        key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right;
    if (arrow && e->modifiers() == Qt::NoModifier && group()) {
        showKeyboardFocus(*this);
        if (chooseNeighbour(key == Qt::Key_Down || key == Qt::Key_Right)) {
            e->accept();
        } else {
            e->ignore(); // the screen moves on to its next control
        }
        return;
    }
    Control<QRadioButton>::keyPressEvent(e);
}

bool OptionButton::chooseNeighbour(bool next) {
    std::vector<QAbstractButton*> seen;
    std::vector<ReadingBox> boxes;
    for (QAbstractButton* b : group()->buttons()) {
        if (b->isVisibleTo(b->parentWidget()) && b->isEnabled() && !isCovered(*b)) {
            seen.push_back(b);
            boxes.push_back({double(b->x()), double(b->y()), double(b->height())});
        }
    }
    std::vector<QAbstractButton*> order;
    for (std::size_t i : readingOrder(boxes)) {
        order.push_back(seen[i]);
    }
    const auto at = std::find(order.begin(), order.end(), this);
    QAbstractButton* target = nullptr;
    if (at == order.end()) {
        target = order.empty() ? nullptr : next ? order.front() : order.back();
    } else if (next && at + 1 != order.end()) {
        target = *(at + 1);
    } else if (!next && at != order.begin()) {
        target = *(at - 1);
    }
    if (!target) {
        return false;
    }
    target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    target->click(); // chosen as with the mouse: the option's Click handler runs
    return true;
}

void OptionButton::setBackColor(const QColor& c) {
    m_back = c;
    restyle();
}

void OptionButton::setForeColor(const QColor& c) {
    m_fore = c;
    restyle();
}

void OptionButton::restyle() {
    setColours(*this, m_back, m_fore);
}

OptionGroup::OptionGroup(QObject* parent) : QObject(parent), m_group(this) {
    m_group.setExclusive(true);
}

void OptionGroup::add(OptionButton& button) {
    m_group.addButton(&button);
}

} // namespace forms
