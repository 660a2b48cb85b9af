#include "editing/editing_wiring.h"

#include "app/commands.h"
#include "app/main_window.h"
#include "editing/edit_commands.h"
#include "editing/jump_window.h"
#include "editing/navigation.h"

#include <functional>

namespace editing {

namespace {

using app::Handler;
using app::onAction;
using app::onButton;
using app::onRightPress;

void connectEditMenu(app::Program& p) {
    app::MainWindow& w = *p.window;
    const QMenu* menu = w.menu("编辑(&B)");
    const struct {
        const char* caption;
        Handler handler;
        const char* toolbarButton; // runs what the item runs
        const char* otherKey;      // the usual second key of the command
    } items[] = {
        {"撤消(&Z)", undo, "图形按钮_撤消", nullptr},
        {"删除(&D)", deleteSelectionOrNext, nullptr, nullptr},
        {"剪切(&X)", cut, "图形按钮_剪切", "Shift+Del"},
        {"复制(&C)", copy, "图形按钮_复制", "Ctrl+Ins"},
        {"粘贴(&V)", paste, "图形按钮_粘贴", "Shift+Ins"},
        {"全选(&A)", selectAll, nullptr, nullptr},
        {"插入时间(&T)", insertDate, nullptr, nullptr}, // the captions are crossed: this one inserts the date
        {"插入日期(&D)", insertTime, nullptr, nullptr},
    };
    for (const auto& item : items) {
        QAction* action = w.action(item.caption, menu);
        onAction(p, action, item.handler);
        if (item.toolbarButton) onButton(p, item.toolbarButton, item.handler);
        if (item.otherKey) action->setShortcuts({action->shortcut(), QKeySequence(item.otherKey)});
    }
    onButton(p, "图形按钮_复制全部文本到剪切板", copyAll);

    // The edit box's own keys and pop-up menu would copy and paste through QString; the
    // window's shortcuts run the commands above instead, and a right click shows this menu.
    platform::EditBox* box = w.编辑框_文本显示;
    box->leaveEditKeysToWindow();
    box->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(box, &QWidget::customContextMenuRequested, &w, [&p](const QPoint& at) {
        p.window->menu("编辑(&B)")->popup(p.window->编辑框_文本显示->mapToGlobal(at));
    });
}

void connectNavigation(app::Program& p) {
    app::MainWindow& w = *p.window;
    onButton(p, "图形按钮_到最前", goToFirstPage);
    onButton(p, "图形按钮_最后", goToLastPage);
    onRightPress(p, "图形按钮_到最前", stepBackwardFive);
    onRightPress(p, "图形按钮_最后", stepForwardFive);
    onAction(p, w.action("向后滚动(&T)", w.标签选项), scrollTowardLast);
    onAction(p, w.action("向前滚动(&R)", w.标签选项), scrollTowardFirst);
    w.时钟_滚动->onTick = [&p] { scrollStep(p); };
    onAction(p, w.action("跳转页面(&T)", w.标签选项), openJumpWindow);
}

} // namespace

void connectEditingCommands(app::Program& p) {
    connectEditMenu(p);
    connectNavigation(p);
}

} // namespace editing
