#include "document/saving.h"

#include "app/main_window.h"
#include "app/opening.h"
#include "app/page_switching.h"
#include "platform/codepage.h"
#include "platform/files.h"

namespace document {

using namespace app;
using platform::FileDialogKind;

bool writePage(Program& p, const QString& path, const PageText& text) {
    const auto result = platform::files::writeAtomically(path, text.bytes());
    if (result.ok) return true;
    p.ui->message(p.window, {QString("文件没有保存：%1\r\n原因：%2").arg(path, result.reason), "保存失败",
                             platform::Buttons::Ok, platform::Icon::Error});
    return false;
}

bool savePage(Program& p) {
    CommonDialog& dialog = p.通用对话框_打开文件;
    dialog.title = "保存编辑后的文件！";
    dialog.kind = FileDialogKind::Save;
    platform::TabStrip& tabs = *p.window->高级选择夹_标签;
    const int k = tabs.current();
    suspendTopmost(p, 1);
    if (!p.store.pathOf(k).isEmpty()) {
        const bool written = writePage(p, p.store.pathOf(k), p.store.textOf(k));
        suspendTopmost(p, 0);
        return written;
    }
    dialog.fileName = platform::codepage::toQString(tabs.label(k));
    const QStringList chosen = dialog.show(p);
    const bool written = chosen.isEmpty() || writePage(p, chosen.front(), p.store.textOf(k));
    // A file that could not be written is not adopted: the page keeps its name and no path.
    if (!chosen.isEmpty() && written) {
        const QString name = fileNameOf(chosen.front());
        const std::string bytes = platform::codepage::fromQString(name);
        tabs.setLabel(k, k == 0 ? bytes : platform::codepage::firstBytes(bytes, 8));
        tabs.setTip(k, name);
        p.store.pathOf(k) = chosen.front();
    }
    suspendTopmost(p, 0);
    return written;
}

void savePageAs(Program& p) {
    CommonDialog& dialog = p.通用对话框_打开文件;
    const int k = currentPage(p);
    dialog.kind = FileDialogKind::Save;
    dialog.title = "将 " + tipOf(p, k) + " 另存为...";
    dialog.fileName = tipOf(p, k);
    suspendTopmost(p, 1);
    const QStringList chosen = dialog.show(p);
    if (!chosen.isEmpty() && writePage(p, chosen.front(), p.store.textOf(k))) {
        p.store.pathOf(k) = chosen.front();
        p.window->setWindowTitle("汀页本 " + chosen.front());
    }
    suspendTopmost(p, 0);
}

namespace {

// A page without a file gets a dialog of its own; what is chosen there is written, not adopted.
bool savePageOfSaveAll(Program& p, int k) {
    if (!p.store.pathOf(k).isEmpty()) return writePage(p, p.store.pathOf(k), p.store.textOf(k));
    CommonDialog& dialog = p.通用对话框_打开文件;
    dialog.kind = FileDialogKind::Save;
    dialog.title = "保存 " + tipOf(p, k);
    dialog.fileName = tipOf(p, k);
    const QStringList chosen = dialog.show(p);
    return chosen.isEmpty() || writePage(p, chosen.front(), p.store.textOf(k));
}

} // namespace

bool saveAllPages(Program& p) {
    suspendTopmost(p, 1);
    if (p.skipSaveAllConfirm == 0 &&
        p.ui->message(p.window, {"你确定保存全部文件吗？", "信息", platform::Buttons::YesNo,
                                 platform::Icon::Information}) == platform::Answer::No) {
        suspendTopmost(p, 0);
        return true;
    }
    const int n = static_cast<int>(p.store.extraPages());
    const int step = n > 0 ? 1000 / n : 0;
    showProgressBar(p, 1);
    bool allWritten = savePageOfSaveAll(p, 0);
    for (int i = 1; i <= n; ++i) {
        advanceProgress(p, step);
        allWritten = savePageOfSaveAll(p, i) && allWritten;
    }
    setProgress(p, 1000);
    suspendTopmost(p, 0);
    p.skipSaveAllConfirm = 0;
    showProgressBar(p, 0);
    return allWritten;
}

} // namespace document
