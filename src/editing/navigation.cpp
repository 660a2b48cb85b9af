#include "editing/navigation.h"

#include "app/main_window.h"

namespace editing {

namespace {
platform::TabStrip& tabs(app::Program& p) {
    return *p.window->高级选择夹_标签;
}
} // namespace

void goToFirstPage(app::Program& p) {
    tabs(p).setCurrent(0);
}

void goToLastPage(app::Program& p) {
    tabs(p).setCurrent(static_cast<int>(p.store.pageTexts.size()));
}

// The strip ignores an index that has no tab.
void stepForwardFive(app::Program& p) {
    tabs(p).setCurrent(tabs(p).current() + 5);
}

void stepBackwardFive(app::Program& p) {
    if (tabs(p).current() >= 5) tabs(p).setCurrent(tabs(p).current() - 5);
}

void scrollTowardLast(app::Program& p) {
    p.window->时钟_滚动->setPeriod(kScrollPeriodMs);
    p.scrollForward = 1;
}

void scrollTowardFirst(app::Program& p) {
    p.window->时钟_滚动->setPeriod(kScrollPeriodMs);
    p.scrollForward = 0;
}

void scrollStep(app::Program& p) {
    platform::TabStrip& t = tabs(p);
    const int k = t.current();
    if (p.scrollForward == 1) {
        if (k < t.count() - 1) t.setCurrent(k + 1);
        if (t.current() == t.count() - 1) p.window->时钟_滚动->setPeriod(0);
    } else {
        if (k > 0) t.setCurrent(k - 1);
        if (t.current() == 0) p.window->时钟_滚动->setPeriod(0);
    }
}

} // namespace editing
