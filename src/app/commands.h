#pragma once
#include "app/program.h"

#include <functional>

class QAction;

namespace app {

// Connects every menu item, toolbar button, tab-strip and edit-box event to its handler.
void connectCommands(Program& p);

// The pieces every subsystem wires its commands with.
using Handler = std::function<void(Program&)>;
void onAction(Program& p, QAction* action, Handler handler);
void onButton(Program& p, const QString& name, Handler handler);
void onRightPress(Program& p, const QString& name, Handler handler);

} // namespace app
