#include "document/quitting.h"

#include "app/main_window.h"
#include "app/page_switching.h"
#include "document/closing.h"
#include "document/saving.h"

namespace document {

using namespace app;
using platform::Answer;
using platform::Buttons;
using platform::Icon;

namespace {

const char* const kReviewQuestion =
    "被修改的文件\r\n文本框里的所有文件均为已经修改的文件\r\n是否保存已经修改过的文件？";

// Both ways out start alike: the list of modified pages, with the progress bar running.
std::string reviewModifiedPages(Program& p) {
    suspendTopmost(p, 1);
    showProgressBar(p, 1);
    const int n = static_cast<int>(p.store.extraPages());
    const int step = n > 0 ? 1000 / n : 0;
    setProgress(p, step);
    const std::string list = collectModifiedPages(p, step);
    setProgress(p, 1000);
    return list;
}

Answer ask(Program& p, const QString& text, const QString& title) {
    return p.ui->message(p.window, {text, title, Buttons::YesNo, Icon::Question});
}

} // namespace

bool onMainWindowClosing(Program& p) {
    const std::string list = reviewModifiedPages(p);
    if (!list.empty()) {
        addReviewPage(p, "以下文件被修改：\r\n", list);
        if (ask(p, kReviewQuestion, "文件已经被修改！") == Answer::No) return true; // ends without saving
        showProgressBar(p, 0);
        p.skipSaveAllConfirm = 1;
        const bool written = saveAllPages(p);
        suspendTopmost(p, 0);
        // A page that could not be written keeps the program open, so the user can act.
        return written;
    }
    if (ask(p, "确定退出程序吗？", "汀页本！") == Answer::Yes) return true;
    showProgressBar(p, 0);
    suspendTopmost(p, 0);
    return false;
}

void exitProgram(Program& p) {
    const std::string list = reviewModifiedPages(p);
    if (!list.empty()) {
        addReviewPage(p, "以下文件被修改：\r\n", list);
        if (ask(p, kReviewQuestion, "文件已经被修改！") == Answer::No) {
            p.window->destroyNow();
            return;
        }
        showProgressBar(p, 0);
        saveAllPages(p);
        suspendTopmost(p, 0);
        return;
    }
    if (ask(p, "确定退出程序吗？", "汀页本！") == Answer::Yes) {
        p.window->destroyNow();
        return;
    }
    showProgressBar(p, 0);
    suspendTopmost(p, 0);
}

} // namespace document
