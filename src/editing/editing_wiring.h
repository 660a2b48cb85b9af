#pragma once
#include "app/program.h"

namespace editing {

// Connects the edit commands, the page navigation and JumpWindow to their menu items,
// toolbar buttons and timer.
void connectEditingCommands(app::Program& p);

} // namespace editing
