#include "app/page_switching.h"

#include "app/main_window.h"

namespace app {

int currentPage(Program& p) {
    return p.window->高级选择夹_标签->current();
}

QString tipOf(Program& p, int k) {
    return p.window->高级选择夹_标签->tip(k);
}

void onPageSwitched(Program& p) {
    MainWindow& w = *p.window;
    const int k = currentPage(p);
    if (k == 0) {
        w.编辑框_文本显示->setColours(p.store.firstPageColors[0], p.store.firstPageColors[1]);
    } else if (!p.store.pageColors.empty()) {
        const ColourPair c = readColourPair(p.store.pageColors.at(k - 1));
        w.编辑框_文本显示->setColours(c.background, c.text);
    }
    w.编辑框_文本显示->showText(p.store.textOf(k));
    w.setWindowTitle("汀页本  " + p.store.pathOf(k));
    refreshStatusBar(p);
}

void refreshStatusBar(Program& p) {
    MainWindow& w = *p.window;
    const int k = currentPage(p);
    w.statusPanes[0]->setText(QString("总数:%1篇 当前:第%2篇").arg(w.高级选择夹_标签->count()).arg(k + 1));
    w.statusPanes[1]->setText("标题:" + tipOf(p, k));
    w.statusPanes[2]->setText(k == 0 ? p.store.firstPagePath : "路径：" + p.store.pathOf(k));
}

void onEditBoxTextChanged(Program& p) {
    // The page's slot holds the edit box's own document, so storing it copies nothing.
    const int k = currentPage(p);
    PageText& slot = p.store.textOf(k);
    if (!slot.sameDocument(p.window->编辑框_文本显示->text())) slot = p.window->编辑框_文本显示->text();
}

void suspendTopmost(Program& p, int flag) {
    MainWindow& w = *p.window;
    if (w.isTopmost()) {
        w.setTopmost(false);
        p.wasTopmost = 1;
    }
    if (flag == 0 && p.wasTopmost == 1) {
        w.setTopmost(true);
        p.wasTopmost = 0;
    }
}

void showProgressBar(Program& p, int flag) {
    MainWindow& w = *p.window;
    if (flag != 0) {
        w.状态条->hide();
        w.进度条->show();
        w.进度条->raise();
    } else {
        w.状态条->show();
        w.进度条->hide();
        w.状态条->raise();
        w.进度条->setValue(0);
    }
}

void advanceProgress(Program& p, int step) {
    setProgress(p, p.window->进度条->value() + step);
}

void setProgress(Program& p, int position) {
    p.window->进度条->setValue(std::clamp(position, 0, 1000));
}

} // namespace app
