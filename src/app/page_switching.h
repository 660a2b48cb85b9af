#pragma once
// Showing the current page: the tab-changed handler, the status bar, the edit box's
// text-changed handler, and the two small routines every command uses around dialogs and
// long loops.
#include "app/program.h"

namespace app {

void onPageSwitched(Program& p);
void refreshStatusBar(Program& p);
void onEditBoxTextChanged(Program& p);

// flag 1 takes always-on-top away and remembers it; flag 0 gives it back if it was taken.
void suspendTopmost(Program& p, int flag);
// flag 1 shows the progress bar in place of the status bar; flag 0 swaps back and resets it.
void showProgressBar(Program& p, int flag);
void advanceProgress(Program& p, int step);
void setProgress(Program& p, int position);

// The tip and label of page k.
QString tipOf(Program& p, int k);
int currentPage(Program& p);

} // namespace app
