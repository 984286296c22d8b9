#pragma once

struct Program;

// The keys that work on every screen: M switches sound on and off, as the main menu's
// "Sound On" and "Sound Off" do, and the main menu's switch follows. Before the main
// menu has first loaded the sound switch is still empty and M does nothing.
void connectProgramKeys(Program& program);

// What M does; false while the switch is still empty.
bool switchSound(Program& program);
