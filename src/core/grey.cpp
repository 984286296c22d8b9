#include "core/grey.h"

#include "core/program.h"

Grey::Grey(Program& program) : Screen(program.forms), m_program(program) {
    setMaximised(true);
}

void Grey::Form_Load() {
    setBackColor(QColor(48, 133, 214));
}
