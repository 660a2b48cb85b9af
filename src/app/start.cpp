#include "app/start.h"

#include "app/main_window.h"
#include "app/opening.h"
#include "app/page_switching.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/numbers.h"
#include "platform/profile.h"

#include <QPainter>
#include <QSvgRenderer>

namespace app {

namespace {

// A picture of the clock's set, drawn on black as the set's masked pictures are.
QPixmap clockPicture(const QString& name) {
    QPixmap pixmap(12, 17);
    pixmap.fill(Qt::black);
    QPainter painter(&pixmap);
    QSvgRenderer(QString(":/clock/%1.svg").arg(name)).render(&painter);
    return pixmap;
}

// A value of the settings file; section and key names are code-page text there.
std::string setting(Program& p, const char* section, const char* key) {
    using platform::codepage::fromQString;
    return platform::profile::read(p.settingsPath(), fromQString(section), fromQString(key));
}

void applySavedSettings(Program& p) {
    const std::string opacity = setting(p, "程序设置", "程序透明度");
    if (!opacity.empty()) applyOpacity(p, platform::numbers::toInteger(opacity));
    const std::string period = setting(p, "程序设置", "报时时间");
    if (!period.empty()) {
        const long long ms = platform::numbers::toInteger(period);
        p.window->时钟_自动报时->setPeriod(static_cast<int>(std::clamp<long long>(ms, -1, INT32_MAX)));
    }
    const std::string autoplay = setting(p, "MP3播放器", "是否自动播放背景音乐");
    if (autoplay == platform::codepage::fromQString("是")) {
        const std::string music = setting(p, "MP3播放器", "默认背景音乐");
        if (!music.empty()) {
            if (p.startBackgroundMusic) p.startBackgroundMusic(platform::codepage::toQString(music));
            p.window->图片框_哆啦A梦播放->show();
        }
    }
}

} // namespace

void applyOpacity(Program& p, long long value) {
    if (value < 0 || value > 255) value = 255;
    p.window->setWindowOpacity(static_cast<double>(value) / 255.0);
}

void onMainWindowCreated(Program& p) {
    MainWindow& w = *p.window;
    if (platform::files::exists(p.settingsPath())) applySavedSettings(p);
    p.store.firstPageColors = {w.编辑框_文本显示->background(), w.编辑框_文本显示->foreground()};
    p.newFileCounter = 1;
    refreshStatusBar(p);
    const QPixmap colon = clockPicture("colon");
    w.标签_时间冒号->setPixmap(colon);
    w.标签_时间冒号1->setPixmap(colon);
    p.通用对话框_打开文件.directory = p.programDirectory;
    w.trayIcon->setToolTip("汀页本");
    w.trayIcon->show();
    openCommandLine(p);
    w.编辑框_文本显示->setFocus(); // typing goes to the page from the start
}

} // namespace app
