#pragma once
#include "app/program.h"

namespace app {

// Connects every menu item, toolbar button, tab-strip and edit-box event to its handler.
void connectCommands(Program& p);

} // namespace app
