#pragma once
// Leaving the program: the close box and the two exit menu items both review the modified
// pages first.
#include "app/program.h"

namespace document {

using app::Program;

// The close box's question: true lets the window close.
bool onMainWindowClosing(Program& p);
void exitProgram(Program& p);

} // namespace document
