#pragma once

#include "forms/label.h"

#include <vector>

namespace forms {

// The highlight of menu labels: a move over a label makes its background opaque; a
// move over the screen's background makes every label of the set transparent. There
// is no event when the pointer leaves a label, so a label stays lit until then.
class MenuHover {
public:
    void add(Label& label) { m_labels.push_back(&label); }
    void highlight(Label& label) { label.setBackStyle(BackStyle::Opaque); }
    void reset() {
        for (Label* l : m_labels) {
            l->setBackStyle(BackStyle::Transparent);
        }
    }

private:
    std::vector<Label*> m_labels;
};

} // namespace forms
