#include "core/grey.h"

#include "core/program.h"
#include "forms/display.h"

Grey::Grey(Program& program) : Screen(program.forms), m_program(program) {
    const forms::Display& d = program.display();
    setLeft(0);
    setTop(0);
    setWidth(d.widthTwips());
    setHeight(d.heightTwips());
}

void Grey::Form_Load() {
    setBackColor(QColor(48, 133, 214));
}
