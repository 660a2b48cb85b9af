#pragma once
#include "app/program.h"

namespace document {

// Save, close and quit: menu items, toolbar buttons and the close box.
void connectDocumentCommands(app::Program& p);

} // namespace document
