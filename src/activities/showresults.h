#pragma once

struct Program;

// Shows the results screen over the activity, for the score already in the program-wide
// values.
void showResults(Program& program);
