#pragma once

struct Program;

// Gives the subsystems their way back to the menus (Program::navigation). The program and
// every test program call it once, after building the Program.
void installMenus(Program& program);
