#pragma once
// Moving between pages without clicking a tab: the first and last buttons, their steps of
// five on a right press, and the timer that walks through the pages. All of them only set
// the tab strip's current tab; its tab-changed handling shows the page.
#include "app/program.h"

namespace editing {

void goToFirstPage(app::Program& p);
void goToLastPage(app::Program& p);
void stepForwardFive(app::Program& p);  // right press on the last button
void stepBackwardFive(app::Program& p); // right press on the first button

void scrollTowardLast(app::Program& p);
void scrollTowardFirst(app::Program& p);
void scrollStep(app::Program& p); // one tick of 时钟_滚动

inline constexpr int kScrollPeriodMs = 500;

} // namespace editing
