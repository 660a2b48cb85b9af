#include "app/commands.h"

#include "app/main_window.h"
#include "app/new_page.h"
#include "app/opening.h"
#include "app/page_switching.h"
#include "document/document_commands.h"
#include "editing/editing_wiring.h"

#include <QCursor>

namespace app {

void onAction(Program& p, QAction* action, Handler handler) {
    Q_ASSERT(action);
    QObject::connect(action, &QAction::triggered, p.window, [&p, handler] { handler(p); });
}

void onButton(Program& p, const QString& name, Handler handler) {
    QObject::connect(p.window->button(name), &QAbstractButton::clicked, p.window,
                     [&p, handler] { handler(p); });
}

void onRightPress(Program& p, const QString& name, Handler handler) {
    QObject::connect(p.window->button(name), &platform::PictureButton::rightPressed, p.window,
                     [&p, handler] { handler(p); });
}

namespace {

void connectPageArea(Program& p) {
    MainWindow& w = *p.window;
    platform::TabStrip* tabs = w.高级选择夹_标签;
    QObject::connect(tabs, &platform::TabStrip::tabChanged, &w, [&p] { onPageSwitched(p); });
    QObject::connect(tabs, &platform::TabStrip::leftPressed, &w,
                     [&p](int) { p.window->时钟_滚动->setPeriod(0); });
    QObject::connect(tabs, &platform::TabStrip::rightReleased, &w, [&p](int index) {
        if (index == p.window->高级选择夹_标签->current()) p.window->标签选项->popup(QCursor::pos());
    });
    w.编辑框_文本显示->onTextChanged = [&p] { onEditBoxTextChanged(p); };
    w.编辑框_文本显示->onDrop = [&p](const QString& text) { onTextDropped(p, text); };
}

} // namespace

void connectCommands(Program& p) {
    connectPageArea(p);
    onAction(p, p.window->action("新建文件(&N)"), addNewPage);
    onButton(p, "图形按钮_新建", addNewPage);
    onAction(p, p.window->action("打开文件(&O)"), openFiles);
    onButton(p, "图形按钮_打开文件", openFiles);
    document::connectDocumentCommands(p);
    editing::connectEditingCommands(p);
}

} // namespace app
