#pragma once
// MainWindow builds the widgets of the frame and the page area and wires every event to
// its handler; what the handlers do lives in the subsystem folders.
#include "app/program.h"
#include "platform/animated_picture.h"
#include "platform/edit_box.h"
#include "platform/picture_button.h"
#include "platform/tab_strip.h"
#include "platform/timer.h"

#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QProgressBar>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <map>

namespace app {

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(Program& program);
    ~MainWindow() override;

    Program& program;

    platform::TabStrip* 高级选择夹_标签;
    platform::EditBox* 编辑框_文本显示;
    QStatusBar* 状态条;
    QLabel* statusPanes[3];
    QProgressBar* 进度条;
    platform::AnimatedPicture* 图片框_哆啦A梦播放;
    QGroupBox* 分组框_时间;
    QLabel* 标签_时间冒号;
    QLabel* 标签_时间冒号1;
    QSystemTrayIcon* trayIcon;

    platform::Timer* 时钟_滚动;
    platform::Timer* 时钟_自动报时;
    platform::Timer* 时钟_显示当前时间;
    platform::Timer* 时钟_优化内存;

    QMenu* 托盘菜单;
    QMenu* 标签选项;

    // Toolbar buttons by name, e.g. "图形按钮_新建".
    platform::PictureButton* button(const QString& name) const;
    // A menu item by its exact caption; in is the menu (nullptr: the menu bar's menus).
    QAction* action(const QString& caption, const QMenu* in = nullptr) const;
    QMenu* menu(const QString& caption) const;

    bool isTopmost() const;
    void setTopmost(bool on);

    // The close box asks this before the window closes; true lets it close.
    std::function<bool()> onCloseRequested;
    // Ends the program at once, without asking onCloseRequested.
    void destroyNow();
    bool isDestroyed() const { return destroyed_; }

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildPageArea(QWidget* client);
    void buildToolbar(QWidget* client);
    void buildClock(QWidget* client);
    void buildMenus();
    void buildTimers();
    void layoutClient();

    std::map<QString, platform::PictureButton*> buttons_;
    std::vector<QMenu*> menus_;
    bool destroyed_ = false;
};

} // namespace app
