// The program as it starts: the page area, the frame, and the settings read at start.
#include "app/frame.h"
#include "support/app_fixture.h"

#include <QMenuBar>
#include <QTest>

using testing_support::AppFixture;

namespace {

class Start : public AppFixture {};

std::string g(const char* utf8) {
    return platform::codepage::fromQString(QString::fromUtf8(utf8));
}

} // namespace

TEST_F(Start, WithoutSettingsOrArguments) {
    start();
    ASSERT_EQ(tabs().count(), 1);
    EXPECT_EQ(uni(tabs().label(0)), "新建文件[1]");
    EXPECT_EQ(tabs().tip(0), "新建文件[1]");
    EXPECT_EQ(editBox().utf8(), "");
    EXPECT_EQ(editBox().background(), 0);
    EXPECT_EQ(editBox().foreground(), 32768);
    EXPECT_EQ(program.store.firstPageColors[0], 0);
    EXPECT_EQ(program.store.firstPageColors[1], 32768);
    EXPECT_EQ(pane(0), "总数:1篇 当前:第1篇");
    EXPECT_EQ(pane(1), "标题:新建文件[1]");
    EXPECT_EQ(pane(2), "");
    EXPECT_FALSE(window->图片框_哆啦A梦播放->isVisible());
    EXPECT_FALSE(window->进度条->isVisible());
    EXPECT_EQ(window->windowTitle(), "汀页本");
    EXPECT_TRUE(window->isTopmost());
    EXPECT_DOUBLE_EQ(window->windowOpacity(), 1.0);
    EXPECT_EQ(program.newFileCounter, 1);
    EXPECT_TRUE(program.store.pageTexts.empty());
    EXPECT_EQ(window->时钟_滚动->period(), 0);
    EXPECT_EQ(window->时钟_自动报时->period(), 1800000);
    EXPECT_EQ(window->时钟_显示当前时间->period(), 1000);
    EXPECT_EQ(window->时钟_优化内存->period(), 200);
    EXPECT_EQ(window->trayIcon->toolTip(), "汀页本");
    EXPECT_EQ(program.通用对话框_打开文件.directory, folder.path());
    EXPECT_FALSE(window->标签_时间冒号->pixmap().isNull());
    EXPECT_FALSE(QFile::exists(program.settingsPath())) << "nothing is written at start";
}

TEST_F(Start, SettingsReadAtStart) {
    const struct {
        const char* what;
        std::string file;
        double opacity;
        int period;
        bool music;
    } cases[] = {
        {"opacity in range", "[程序设置]\r\n程序透明度=128\r\n", 128 / 255.0, 1800000, false},
        {"opacity above range", "[程序设置]\r\n程序透明度=300\r\n", 1.0, 1800000, false},
        {"opacity below range", "[程序设置]\r\n程序透明度=-5\r\n", 1.0, 1800000, false},
        {"opacity not a number", "[程序设置]\r\n程序透明度=abc\r\n", 0.0, 1800000, false},
        {"opacity with a fraction", "[程序设置]\r\n程序透明度=200.9\r\n", 200 / 255.0, 1800000, false},
        {"empty values keep the defaults", "[程序设置]\r\n程序透明度=\r\n报时时间=\r\n", 1.0, 1800000, false},
        {"announcement every 90 seconds", "[程序设置]\r\n报时时间=90000\r\n", 1.0, 90000, false},
        {"announcement not a number stops it", "[程序设置]\r\n报时时间=x\r\n", 1.0, 0, false},
        {"music on", "[MP3播放器]\r\n是否自动播放背景音乐=是\r\n默认背景音乐=/m/歌.mp3\r\n", 1.0, 1800000,
         true},
        {"music off", "[MP3播放器]\r\n是否自动播放背景音乐=否\r\n默认背景音乐=/m/歌.mp3\r\n", 1.0, 1800000,
         false},
        {"music switch empty", "[MP3播放器]\r\n是否自动播放背景音乐=\r\n默认背景音乐=/m/歌.mp3\r\n", 1.0,
         1800000, false},
        {"music on without a file", "[MP3播放器]\r\n是否自动播放背景音乐=是\r\n默认背景音乐=\r\n", 1.0,
         1800000, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        window.reset();
        writeSettings(g(c.file.c_str()));
        std::vector<QString> played;
        program = app::Program();
        program.startBackgroundMusic = [&](const QString& mp3) { played.push_back(mp3); };
        start();
        EXPECT_NEAR(window->windowOpacity(), c.opacity, 0.01);
        EXPECT_EQ(window->时钟_自动报时->period(), c.period);
        EXPECT_EQ(window->图片框_哆啦A梦播放->isVisible(), c.music);
        EXPECT_EQ(played, c.music ? std::vector<QString>{"/m/歌.mp3"} : std::vector<QString>{});
        if (c.music) { // the picture box plays its loop while shown
            const int before = window->图片框_哆啦A梦播放->framesShown();
            QTest::qWait(400);
            EXPECT_GT(window->图片框_哆啦A梦播放->framesShown(), before);
        }
    }
}

TEST_F(Start, MenusHoldTheirItemsInOrder) {
    start();
    auto describe = [](const QMenu* m) {
        QStringList items;
        for (const QAction* a : m->actions())
            items << (a->isSeparator()
                          ? QString("—")
                          : a->text() + (a->shortcut().isEmpty() ? "" : " " + a->shortcut().toString()));
        return items.join(" | ");
    };
    const struct {
        const char* menu;
        bool inBar;
        const char* items;
    } cases[] = {
        {"文件(&F)", true,
         "新建文件(&N) Ctrl+N | 打开文件(&O) Ctrl+O | — | 保存文件(&S) Ctrl+S | 另存文件(&K) Ctrl+K | — | "
         "加密解密(&J) Ctrl+J | — | 打印文件(&P) Ctrl+P | — | 退      出(&E)"},
        {"编辑(&B)", true,
         "撤消(&Z) Ctrl+Z | 删除(&D) Del | — | 剪切(&X) Ctrl+X | 复制(&C) Ctrl+C | 粘贴(&V) Ctrl+V | "
         "全选(&A) Ctrl+A | — | 插入时间(&T) Ctrl+T | 插入日期(&D) Ctrl+D"},
        {"设置(&S)", true, "取消前置(&Q) | 取消优化(&N) | — | 设置字体(&T) | — | 选      项(&X)"},
        {"帮助(&H)", true, "访问作者主页(&F) | — | 程  序  帮  助(&H) | — | 关            于(&I)"},
        {"托盘菜单(&T)", false,
         "访问作者主页(&H) | — | 关            于(&I) | — | 报            时(&B) | — | 退            出(&X)"},
        {"标签选项(&B)", false,
         "跳转页面(&T) | — | 关闭本页(&W) | 全部关闭(&Q) | — | 保存文件(&S) | 全部保存(&S) | 另存文件(&L) | "
         "— | "
         "向前滚动(&R) | 向后滚动(&T) | — | 打印本页(&P)"},
    };
    QStringList bar;
    for (const QAction* a : window->menuBar()->actions())
        bar << a->text();
    EXPECT_EQ(bar, QStringList({"文件(&F)", "编辑(&B)", "设置(&S)", "帮助(&H)"}));
    for (const auto& c : cases) {
        const QMenu* m = window->menu(c.menu);
        ASSERT_TRUE(m) << c.menu;
        EXPECT_EQ(describe(m), QString::fromUtf8(c.items)) << c.menu;
        EXPECT_EQ(bar.contains(c.menu), c.inBar) << c.menu;
    }
    EXPECT_TRUE(window->action("取消前置(&Q)")->isChecked());
    EXPECT_TRUE(window->action("取消优化(&N)")->isChecked());
}

TEST_F(Start, ToolbarButtons) {
    start();
    const struct {
        const char* name;
        int left;
        const char* tip;
    } cases[] = {
        {"图形按钮_新建", 0, "新建文本"},
        {"图形按钮_打开文件", 33, "打开文件"},
        {"图形按钮_保存", 63, "保存文件"},
        {"图形按钮_剪切", 93, "剪切"},
        {"图形按钮_复制", 123, "复制"},
        {"图形按钮_粘贴", 153, "粘贴"},
        {"图形按钮_撤消", 183, "撤消"},
        {"图形按钮_复制全部文本到剪切板", 213, ""},
        {"图形按钮_打印", 243, "打印文件"},
        {"图形按钮_设置", 273, "选项"},
        {"图形按钮_帮助", 303, "帮助"},
        {"图形按钮_关于", 333, "通知"},
        {"图形按钮_关闭当前", 363, "关闭本页"},
        {"图形按钮_到最前", 393, "转到最前"},
        {"图形按钮_最后", 423, "转到最后"},
        {"图形按钮_MP3播放器", 517, "查找"},
        {"图形按钮_日历", 546, ""},
        {"图形按钮_报时", 574, "闹钟设置"},
    };
    for (const auto& c : cases) {
        const auto* b = window->button(c.name);
        ASSERT_TRUE(b) << c.name;
        EXPECT_EQ(b->geometry(), QRect(c.left, 0, 30, 30)) << c.name;
        EXPECT_EQ(b->cursor().shape(), Qt::PointingHandCursor) << c.name;
        EXPECT_EQ(b->toolTip(), c.tip) << c.name;
        EXPECT_EQ(b->findChildren<QWidget*>().size(), 0u);
    }
    EXPECT_EQ(window->分组框_时间->geometry(), QRect(604, -5, 161, 35));
    EXPECT_EQ(window->图片框_哆啦A梦播放->geometry(), QRect(467, 1, 38, 30));
    EXPECT_EQ(tabs().geometry().topLeft(), QPoint(0, 32));
    EXPECT_EQ(editBox().geometry().topLeft(), QPoint(0, 55));
}

TEST(Frame, CentresSecondaryWindows) {
    EXPECT_EQ(app::centredPosition(QRect(0, 0, 380, 224), QRect(100, 100, 788, 575)), QPoint(304, 275));
    EXPECT_EQ(app::centredPosition(QRect(0, 0, 381, 225), QRect(100, 100, 788, 575)), QPoint(303, 275));
    EXPECT_EQ(app::centredPosition(QRect(0, 0, 380, 224), QRect(100, 100, 788, 575), 10), QPoint(294, 265));
    // Truncation toward zero on the left of the screen.
    EXPECT_EQ(app::centredPosition(QRect(0, 0, 401, 101), QRect(-100, -100, 200, 100)), QPoint(-200, -100));
}
