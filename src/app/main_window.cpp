#include "app/main_window.h"

#include "app/commands.h"
#include "app/start.h"

#include "platform/codepage.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QResizeEvent>
#include <QWindow>

namespace app {

namespace {

struct ToolbarEntry {
    int left;
    const char* name;
    const char* picture;
    const char* tip; // the button's short text; some carry none
};

// The last three buttons keep their distance from the right edge when the window resizes.
const ToolbarEntry kToolbar[] = {
    {0, "图形按钮_新建", "new", "新建文本"},         {33, "图形按钮_打开文件", "open", "打开文件"},
    {63, "图形按钮_保存", "save", "保存文件"},       {93, "图形按钮_剪切", "cut", "剪切"},
    {123, "图形按钮_复制", "copy", "复制"},          {153, "图形按钮_粘贴", "paste", "粘贴"},
    {183, "图形按钮_撤消", "undo", "撤消"},          {213, "图形按钮_复制全部文本到剪切板", "copyall", ""},
    {243, "图形按钮_打印", "print", "打印文件"},     {273, "图形按钮_设置", "settings", "选项"},
    {303, "图形按钮_帮助", "help", "帮助"},          {333, "图形按钮_关于", "about", "通知"},
    {363, "图形按钮_关闭当前", "close", "关闭本页"}, {393, "图形按钮_到最前", "first", "转到最前"},
    {423, "图形按钮_最后", "last", "转到最后"},      {517, "图形按钮_MP3播放器", "player", "查找"},
    {546, "图形按钮_日历", "calendar", ""},          {574, "图形按钮_报时", "announce", "闹钟设置"},
};

constexpr int kClientWidth = 782;  // client area as first laid out
constexpr int kClientHeight = 525; // below the menu bar
constexpr int kClockLeft = 604;

struct MenuEntry {
    const char* caption; // nullptr: a separator
    const char* key;
};

struct MenuLayout {
    const char* caption;
    bool inMenuBar;
    std::vector<MenuEntry> items;
};

const std::vector<MenuLayout>& menuLayouts() {
    static const std::vector<MenuLayout> layouts = {
        {"文件(&F)",
         true,
         {{"新建文件(&N)", "Ctrl+N"},
          {"打开文件(&O)", "Ctrl+O"},
          {nullptr, nullptr},
          {"保存文件(&S)", "Ctrl+S"},
          {"另存文件(&K)", "Ctrl+K"},
          {nullptr, nullptr},
          {"加密解密(&J)", "Ctrl+J"},
          {nullptr, nullptr},
          {"打印文件(&P)", "Ctrl+P"},
          {nullptr, nullptr},
          {"退      出(&E)", ""}}},
        {"编辑(&B)",
         true,
         {{"撤消(&Z)", "Ctrl+Z"},
          {"删除(&D)", "Del"},
          {nullptr, nullptr},
          {"剪切(&X)", "Ctrl+X"},
          {"复制(&C)", "Ctrl+C"},
          {"粘贴(&V)", "Ctrl+V"},
          {"全选(&A)", "Ctrl+A"},
          {nullptr, nullptr},
          {"插入时间(&T)", "Ctrl+T"},
          {"插入日期(&D)", "Ctrl+D"}}},
        {"设置(&S)",
         true,
         {{"取消前置(&Q)", ""},
          {"取消优化(&N)", ""},
          {nullptr, nullptr},
          {"设置字体(&T)", ""},
          {nullptr, nullptr},
          {"选      项(&X)", ""}}},
        {"帮助(&H)",
         true,
         {{"访问作者主页(&F)", ""},
          {nullptr, nullptr},
          {"程  序  帮  助(&H)", ""},
          {nullptr, nullptr},
          {"关            于(&I)", ""}}},
        {"托盘菜单(&T)",
         false,
         {{"访问作者主页(&H)", ""},
          {nullptr, nullptr},
          {"关            于(&I)", ""},
          {nullptr, nullptr},
          {"报            时(&B)", ""},
          {nullptr, nullptr},
          {"退            出(&X)", ""}}},
        {"标签选项(&B)",
         false,
         {{"跳转页面(&T)", ""},
          {nullptr, nullptr},
          {"关闭本页(&W)", ""},
          {"全部关闭(&Q)", ""},
          {nullptr, nullptr},
          {"保存文件(&S)", ""},
          {"全部保存(&S)", ""},
          {"另存文件(&L)", ""},
          {nullptr, nullptr},
          {"向前滚动(&R)", ""},
          {"向后滚动(&T)", ""},
          {nullptr, nullptr},
          {"打印本页(&P)", ""}}},
    };
    return layouts;
}

} // namespace

MainWindow::MainWindow(Program& p) : program(p) {
    program.window = this;
    setObjectName("MainWindow");
    setWindowTitle("汀页本");
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    setStyleSheet("QMainWindow, #client { background: black; }");
    auto* client = new QWidget(this);
    client->setObjectName("client");
    setCentralWidget(client);
    buildToolbar(client);
    buildClock(client);
    buildPageArea(client);
    buildMenus();
    buildTimers();

    trayIcon = new QSystemTrayIcon(QIcon(":/icon/tingyeben.svg"), this);
    trayIcon->setObjectName("trayIcon");
    setWindowIcon(trayIcon->icon());

    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    layout()->activate(); // the client area gets its size now, not at the first show
    layoutClient();

    connectCommands(program);
    onMainWindowCreated(program);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildPageArea(QWidget* client) {
    高级选择夹_标签 = new platform::TabStrip(client);
    高级选择夹_标签->setObjectName("高级选择夹_标签");
    高级选择夹_标签->setGeometry(0, 32, 256, 23);
    高级选择夹_标签->setStyleSheet(
        "QTabBar::tab { background: #1b1b1b; color: #8fbf8f; padding: 2px 8px; border: 1px solid #303030; }"
        "QTabBar::tab:selected { background: #103a10; color: #c8ffc8; }");
    高级选择夹_标签->appendTab(platform::codepage::fromQString("新建文件[1]"));
    高级选择夹_标签->setTip(0, "新建文件[1]");

    编辑框_文本显示 = new platform::EditBox(client);
    编辑框_文本显示->setObjectName("编辑框_文本显示");
    编辑框_文本显示->setFrameShape(QFrame::NoFrame);
    编辑框_文本显示->setGeometry(0, 55, 136, 121);
    编辑框_文本显示->setTextFont("微软雅黑", 14, true);
    编辑框_文本显示->setColours(kBlack, kDarkGreen);
    编辑框_文本显示->showText(program.store.firstPageText); // the box shows the first page's own document

    状态条 = new QStatusBar(client);
    状态条->setObjectName("状态条");
    状态条->setSizeGripEnabled(false);
    状态条->setStyleSheet(
        "QStatusBar { background: #202020; } QLabel { color: #d0d0d0; padding-left: 3px; }");
    const int paneWidths[3] = {180, 245, 600};
    for (int i = 0; i < 3; ++i) {
        statusPanes[i] = new QLabel(状态条);
        statusPanes[i]->setObjectName(QString("statusPane%1").arg(i));
        statusPanes[i]->setFixedWidth(paneWidths[i]);
        状态条->addWidget(statusPanes[i]);
    }
    状态条->setGeometry(0, 505, 782, 20);

    进度条 = new QProgressBar(client);
    进度条->setObjectName("进度条");
    进度条->setRange(0, 1000);
    进度条->setTextVisible(false);
    进度条->setValue(0);
    进度条->setGeometry(0, 505, 256, 20);
    进度条->hide();

    QStringList frames;
    for (int i = 0; i < 8; ++i)
        frames << QString(":/music/frame%1.svg").arg(i);
    图片框_哆啦A梦播放 = new platform::AnimatedPicture(frames, 120, client);
    图片框_哆啦A梦播放->setObjectName("图片框_哆啦A梦播放");
    图片框_哆啦A梦播放->setGeometry(467, 1, 38, 30);
    图片框_哆啦A梦播放->hide();
}

void MainWindow::buildToolbar(QWidget* client) {
    for (const auto& entry : kToolbar) {
        const QString picture = QString(":/toolbar/%1.svg").arg(entry.picture);
        const QString hot = QString(":/toolbar/%1_hot.svg").arg(entry.picture);
        auto* b = new platform::PictureButton(entry.name, picture, hot, client);
        b->move(entry.left, 0);
        if (*entry.tip) b->setToolTip(entry.tip);
        buttons_[entry.name] = b;
    }
}

void MainWindow::buildClock(QWidget* client) {
    分组框_时间 = new QGroupBox(client);
    分组框_时间->setObjectName("分组框_时间");
    分组框_时间->setGeometry(kClockLeft, -5, 161, 35);
    分组框_时间->setStyleSheet("QGroupBox { border: none; background: black; } QLabel { color: #46ff7e; }");
    auto* caption = new QLabel("当前时间：", 分组框_时间);
    caption->setObjectName("标签1");
    caption->setGeometry(3, 12, 52, 18);
    auto colon = [&](const char* name, int left) {
        auto* label = new QLabel(分组框_时间);
        label->setObjectName(name);
        label->setGeometry(left, 12, 12, 17);
        return label;
    };
    标签_时间冒号 = colon("标签_时间冒号", 81);
    标签_时间冒号1 = colon("标签_时间冒号1", 117);
}

void MainWindow::buildMenus() {
    for (const auto& menuLayout : menuLayouts()) {
        auto* m = new QMenu(menuLayout.caption, this);
        m->setObjectName(menuLayout.caption);
        for (const auto& item : menuLayout.items) {
            if (!item.caption) {
                m->addSeparator();
                continue;
            }
            QAction* a = m->addAction(item.caption);
            if (*item.key) {
                a->setShortcut(QKeySequence(item.key));
                a->setShortcutContext(Qt::WindowShortcut);
            }
        }
        if (menuLayout.inMenuBar) menuBar()->addMenu(m);
        menus_.push_back(m);
    }
    托盘菜单 = menu("托盘菜单(&T)");
    标签选项 = menu("标签选项(&B)");
    for (const char* caption : {"取消前置(&Q)", "取消优化(&N)"}) {
        action(caption)->setCheckable(true);
        action(caption)->setChecked(true);
    }
}

void MainWindow::buildTimers() {
    时钟_滚动 = new platform::Timer("时钟_滚动", 0, this);
    时钟_自动报时 = new platform::Timer("时钟_自动报时", 1800000, this);
    时钟_显示当前时间 = new platform::Timer("时钟_显示当前时间", 1000, this);
    时钟_优化内存 = new platform::Timer("时钟_优化内存", 200, this);
}

platform::PictureButton* MainWindow::button(const QString& name) const {
    const auto it = buttons_.find(name);
    return it == buttons_.end() ? nullptr : it->second;
}

QMenu* MainWindow::menu(const QString& caption) const {
    for (QMenu* m : menus_)
        if (m->title() == caption) return m;
    return nullptr;
}

QAction* MainWindow::action(const QString& caption, const QMenu* in) const {
    for (QMenu* m : menus_) {
        if (in ? m != in : !menuBar()->actions().contains(m->menuAction())) continue;
        for (QAction* a : m->actions())
            if (a->text() == caption) return a;
    }
    return nullptr;
}

bool MainWindow::isTopmost() const {
    return windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void MainWindow::setTopmost(bool on) {
    if (on == isTopmost()) return;
    const bool wasVisible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (wasVisible) show(); // changing the flags hides the window
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    // A press on the free background moves the window like a press on its title bar; a press
    // on a control that passes it on (a label, the status bar) does not.
    QWidget* under = childAt(event->position().toPoint());
    const bool freeBackground = under == nullptr || under == centralWidget();
    if (event->button() == Qt::LeftButton && freeBackground && windowHandle()) {
        windowHandle()->startSystemMove();
        event->accept();
        return;
    }
    QMainWindow::mousePressEvent(event);
}

void MainWindow::layoutClient() {
    QWidget* client = centralWidget();
    const int w = client->width();
    const int h = client->height();
    const int shift = w - kClientWidth; // how far the right edge moved since creation
    状态条->setGeometry(0, h - 20, w, 20);
    高级选择夹_标签->setGeometry(0, 32, w, 23);
    编辑框_文本显示->setGeometry(0, 55, w, std::max(0, 状态条->y() - 55));
    进度条->setGeometry(0, 状态条->y(), w, 20);
    分组框_时间->move(kClockLeft + shift, -5);
    for (const char* name : {"图形按钮_MP3播放器", "图形按钮_日历", "图形按钮_报时"}) {
        for (const auto& entry : kToolbar)
            if (QString(entry.name) == name) buttons_[name]->move(entry.left + shift, 0);
    }
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (isMinimized()) return;
    layoutClient();
}

void MainWindow::destroyNow() {
    destroyed_ = true;
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!destroyed_ && onCloseRequested && !onCloseRequested()) {
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace app
