#include "app/new_page.h"

#include "app/main_window.h"
#include "app/page_switching.h"
#include "platform/codepage.h"

namespace app {

void addNewPage(Program& p) {
    platform::TabStrip& tabs = *p.window->高级选择夹_标签;
    ++p.newFileCounter;
    const QString name = QString("新建文件[%1]").arg(p.newFileCounter);
    tabs.appendTab(platform::codepage::fromQString(name));
    p.store.append(PageText(), QString(), colourPairText(kBlack, kDarkGreen));
    tabs.setCurrent(tabs.count() - 1);
    tabs.setTip(tabs.current(), name);
    refreshStatusBar(p);
    p.window->setWindowTitle("汀页本");
}

} // namespace app
