#include "document/closing.h"

#include "app/main_window.h"
#include "app/page_switching.h"
#include "document/saving.h"
#include "platform/codepage.h"
#include "platform/files.h"

namespace document {

using namespace app;
using platform::Answer;
using platform::Buttons;
using platform::Icon;

bool isPageModified(const PageText& text, const QString& path) {
    const std::string onDisk = path.isEmpty() ? std::string() : platform::files::readText(path);
    if (onDisk.empty()) return !text.isEmpty();
    return !text.hasBytes(onDisk);
}

void askSaveBeforeClose(Program& p) {
    const int k = currentPage(p);
    if (!isPageModified(p.store.textOf(k), p.store.pathOf(k))) return;
    const QString text =
        "文件: " + tipOf(p, k) + " 已经被修改！\r\n文件路径: " + p.store.pathOf(k) + "\r\n请问是否保存？";
    switch (
        p.ui->message(p.window, {text, "文件已经被修改,是否保存！", Buttons::YesNoCancel, Icon::Question})) {
    case Answer::Yes:
        // A page whose file could not be written stays open, as after Cancel; a cancelled
        // file dialog still lets it close.
        if (!savePage(p)) p.closeCancelled = 1;
        return;
    case Answer::Cancel:
        p.closeCancelled = 1;
        return;
    default:
        return;
    }
}

namespace {

QString newPageName(Program& p) {
    return QString("新建文件[%1]").arg(p.newFileCounter);
}

// The first page is never removed: closing it makes it an empty new page again.
void resetFirstPage(Program& p) {
    platform::TabStrip& tabs = *p.window->高级选择夹_标签;
    tabs.setLabel(0, platform::codepage::fromQString(newPageName(p)));
    tabs.setTip(0, newPageName(p));
    p.store.firstPageText = PageText();
    p.store.firstPagePath.clear();
    p.window->setWindowTitle("汀页本");
    p.store.firstPageColors = {kBlack, kDarkGreen};
}

} // namespace

void closePage(Program& p) {
    suspendTopmost(p, 1);
    askSaveBeforeClose(p);
    if (p.closeCancelled == 1) {
        p.closeCancelled = 0;
        suspendTopmost(p, 0);
        return;
    }
    const int k = currentPage(p);
    if (k == 0) {
        resetFirstPage(p);
    } else {
        // The store loses the page before the tab does, so that the tab-changed handling
        // that removing the tab may raise finds every page where it belongs.
        p.store.remove(k);
        p.window->高级选择夹_标签->deleteTab(k);
    }
    onPageSwitched(p);
    p.closeCancelled = 0;
    suspendTopmost(p, 0);
}

std::string collectModifiedPages(Program& p, int step) {
    std::string list;
    auto add = [&](int k) {
        if (!isPageModified(p.store.textOf(k), p.store.pathOf(k))) return;
        const QString& path = p.store.pathOf(k);
        list += platform::codepage::fromQString(path.isEmpty() ? tipOf(p, k) : path) + "\r\n";
    };
    add(0);
    for (int i = 1; i <= static_cast<int>(p.store.extraPages()); ++i) {
        advanceProgress(p, step);
        add(i);
    }
    return list;
}

QString reviewPath() {
    return platform::files::temporaryDirectory() + "/修改文件.TXT";
}

void addReviewPage(Program& p, const QString& header, const std::string& list) {
    using platform::codepage::fromQString;
    const std::string text = fromQString(header) + list + fromQString("是否全部保存？");
    p.store.append(PageText::fromBytes(text), reviewPath(), colourPairText(kBlack, kRed));
    platform::TabStrip& tabs = *p.window->高级选择夹_标签;
    tabs.appendTab(fromQString("被修改的文件"));
    tabs.setCurrent(tabs.count() - 1);
    tabs.setTip(tabs.current(), "以下文件被修改");
}

void closeAllPages(Program& p) {
    suspendTopmost(p, 1);
    const int n = static_cast<int>(p.store.extraPages());
    int step = n > 0 ? 1000 / n : 0;
    showProgressBar(p, 1);
    setProgress(p, step);
    const std::string list = collectModifiedPages(p, step);
    setProgress(p, 1000);
    if (!list.empty()) {
        addReviewPage(p, "以下文件均被修改：\r\n", list);
        // A page whose file could not be written is not thrown away: everything stays open.
        if (!saveAllPages(p)) {
            showProgressBar(p, 0);
            suspendTopmost(p, 0);
            return;
        }
    } else if (p.ui->message(p.window, {"确定关闭全部打开的文件吗？", "是否全部关闭？", Buttons::YesNo,
                                        Icon::Question}) == Answer::No) {
        showProgressBar(p, 0);
        suspendTopmost(p, 0);
        return;
    }
    platform::TabStrip& tabs = *p.window->高级选择夹_标签;
    // After saving all, the bar is already hidden again; the removals still count on it.
    setProgress(p, 0);
    step = 1000 / tabs.count();
    // Tab 0 becomes current before the others go, so no removal raises a page switch
    // onto a page the store no longer has.
    tabs.setCurrent(0);
    while (tabs.count() > 1) {
        tabs.deleteTab(tabs.count() - 1);
        advanceProgress(p, step);
    }
    p.store.clear();
    p.store.firstPageText = PageText();
    p.store.firstPagePath.clear();
    p.store.firstPageColors = {kBlack, kDarkGreen};
    p.window->编辑框_文本显示->showText(p.store.firstPageText);
    closePage(p);
    showProgressBar(p, 0);
    suspendTopmost(p, 0);
}

} // namespace document
