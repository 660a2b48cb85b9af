#pragma once
#include "app/program.h"

namespace app {

// Runs once, right after MainWindow and its controls exist: applies the saved settings,
// takes the first page's colours, fills the status bar and opens the command line's files.
void onMainWindowCreated(Program& p);

// Applies an opacity 0..255; anything outside counts as opaque.
void applyOpacity(Program& p, long long value);

} // namespace app
