#include "document/document_commands.h"

#include "app/commands.h"
#include "app/main_window.h"
#include "document/closing.h"
#include "document/quitting.h"
#include "document/saving.h"

namespace document {

void connectDocumentCommands(app::Program& p) {
    app::MainWindow& w = *p.window;
    auto menu = [&](const char* caption, const QMenu* in, app::Handler handler) {
        app::onAction(p, w.action(caption, in), std::move(handler));
    };
    auto button = [&](const char* name, app::Handler handler) { app::onButton(p, name, std::move(handler)); };
    menu("保存文件(&S)", nullptr, savePage);
    menu("保存文件(&S)", w.标签选项, savePage);
    button("图形按钮_保存", savePage);
    menu("另存文件(&K)", nullptr, savePageAs);
    menu("另存文件(&L)", w.标签选项, savePageAs);
    menu("全部保存(&S)", w.标签选项, [](Program& p) { saveAllPages(p); });
    menu("关闭本页(&W)", w.标签选项, closePage);
    button("图形按钮_关闭当前", closePage);
    menu("全部关闭(&Q)", w.标签选项, closeAllPages);
    menu("退      出(&E)", nullptr, exitProgram);
    menu("退            出(&X)", w.托盘菜单, exitProgram);
    w.onCloseRequested = [&p] { return onMainWindowClosing(p); };
}

} // namespace document
