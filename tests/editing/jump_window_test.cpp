// JumpWindow on the real main window: its layout, the two modes, the refill of the box and
// the jumps by number and by name.
#include "app/frame.h"
#include "app/page_switching.h"
#include "editing/jump_window.h"
#include "support/app_fixture.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTest>
#include <functional>

using editing::JumpWindow;
using testing_support::AppFixture;

namespace {

class JumpFixture : public AppFixture {
  protected:
    void SetUp() override { start(); }

    void makeTabs(int count) {
        while (tabs().count() < count)
            window->action("新建文件(&N)")->trigger();
    }
    JumpWindow& open() {
        window->action("跳转页面(&T)", window->标签选项)->trigger();
        auto* jump = qobject_cast<JumpWindow*>(program.jumpWindow.data());
        EXPECT_NE(jump, nullptr);
        return *jump;
    }
    static void forgetClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    // Enters text as typed keys, replacing what the box holds; an empty text is a Backspace.
    static void enter(JumpWindow& jump, const QString& text) {
        QLineEdit* box = jump.编辑框_跳转;
        box->setFocus();
        box->selectAll();
        if (text.isEmpty()) QTest::keyClick(box, Qt::Key_Backspace);
        for (const QChar c : text) {
            if (c.unicode() < 0x7F) {
                QTest::keyClick(box, c.toLatin1());
                continue;
            }
            // Chinese arrives as key events that carry only text.
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(box, &press);
            QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(box, &release);
        }
    }
    static void clickJump(JumpWindow& jump) { QTest::mouseClick(jump.按钮_开始跳转, Qt::LeftButton); }
    static void switchMode(JumpWindow& jump) {
        QTest::mouseClick(jump.选择框1, Qt::LeftButton, {}, QPoint(6, jump.选择框1->height() / 2));
    }
};

class JumpWindowLayout : public JumpFixture {};
class JumpByNumber : public JumpFixture {};
class JumpByName : public JumpFixture {};

} // namespace

TEST_F(JumpWindowLayout, OpensNonModalOverTheMainWindow) {
    JumpWindow& jump = open();
    EXPECT_TRUE(jump.isVisible());
    EXPECT_TRUE(jump.isWindow());
    EXPECT_EQ(jump.parentWidget(), window.get()) << "owned by MainWindow";
    EXPECT_FALSE(jump.isModal());
    EXPECT_EQ(jump.windowModality(), Qt::NonModal);
    EXPECT_TRUE(jump.testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_EQ(jump.windowType(), Qt::Window) << "a window of its own, with its own task-bar button";
    EXPECT_EQ(jump.windowTitle(), "跳转到其他页面—按照页面跳转");
    EXPECT_EQ(jump.frameGeometry().size(), QSize(379, 114));
    EXPECT_EQ(jump.minimumSize(), jump.maximumSize()) << "not resizable";
    const Qt::WindowFlags flags = jump.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(jump.palette().color(QPalette::Window), QColor(204, 232, 207));
    EXPECT_TRUE(jump.autoFillBackground());
    EXPECT_EQ(jump.pos(), app::centredPosition(jump.frameGeometry(), window->frameGeometry()));

    const struct {
        QWidget* control;
        const char* name;
        QRect geometry;
        QString text;
    } controls[] = {
        {jump.标签1, "标签1", {5, 16, 130, 23}, jump.标签1->text()},
        {jump.编辑框_跳转, "编辑框_跳转", {139, 14, 229, 25}, jump.编辑框_跳转->text()},
        {jump.选择框1, "选择框1", {5, 57, 99, 16}, jump.选择框1->text()},
        {jump.按钮_开始跳转, "按钮_开始跳转", {272, 45, 96, 29}, jump.按钮_开始跳转->text()},
    };
    const QString texts[] = {"请输入要跳转的页面：", "", "按照名称跳转", "跳转到新页面"};
    for (std::size_t i = 0; i < std::size(controls); ++i) {
        const auto& c = controls[i];
        EXPECT_EQ(c.control->objectName(), c.name);
        EXPECT_EQ(c.control->geometry(), c.geometry) << c.name;
        EXPECT_EQ(c.text, texts[i]) << c.name;
        EXPECT_TRUE(c.control->isVisible()) << c.name;
    }
    EXPECT_FALSE(jump.选择框1->isChecked());
    EXPECT_FALSE(jump.按钮_开始跳转->isEnabled());
}

TEST_F(JumpWindowLayout, ChoosingTheItemAgainBringsTheOpenWindowBack) {
    JumpWindow& first = open();
    switchMode(first);
    first.showMinimized();
    JumpWindow& again = open();
    EXPECT_EQ(&again, &first);
    EXPECT_FALSE(again.isMinimized());
    EXPECT_TRUE(again.选择框1->isChecked()) << "its mode lasts as long as the window";
    EXPECT_EQ(window->findChildren<JumpWindow*>().size(), 1);
}

TEST_F(JumpWindowLayout, EscapeClosesAndDestroysTheWindow) {
    JumpWindow& jump = open();
    switchMode(jump);
    jump.编辑框_跳转->setFocus();
    QTest::keyClick(&jump, Qt::Key_Escape);
    EXPECT_FALSE(jump.isVisible());
    forgetClosedWindows();
    EXPECT_TRUE(program.jumpWindow.isNull());
    EXPECT_TRUE(window->findChildren<JumpWindow*>().isEmpty());

    JumpWindow& fresh = open();
    EXPECT_FALSE(fresh.选择框1->isChecked()) << "a new window starts in number mode";
    EXPECT_EQ(fresh.windowTitle(), "跳转到其他页面—按照页面跳转");
}

TEST_F(JumpWindowLayout, ReopeningAClosedWindowBeforeItIsGoneMakesANewOne) {
    JumpWindow& first = open();
    first.close();
    JumpWindow& second = open();
    EXPECT_NE(&second, &first);
    EXPECT_TRUE(second.isVisible());
}

TEST_F(JumpWindowLayout, TheModeSwitchChangesPromptTitleAndInput) {
    JumpWindow& jump = open();
    const struct {
        const char* what;
        bool ticked;
        const char* prompt;
        const char* title;
        const char* typed;
        const char* accepted;
    } cases[] = {
        {"by name", true, "请输入要跳转的页面名：", "跳转到其他页面—按照页面名跳转", "a1-b.2", "a1-b.2"},
        {"by number", false, "请输入要跳转的页面：", "跳转到其他页面—按照页面跳转", "a1-b.2", "1-2"},
    };
    for (const auto& c : cases) {
        jump.编辑框_跳转->setText("kept");
        switchMode(jump);
        EXPECT_EQ(jump.选择框1->isChecked(), c.ticked) << c.what;
        EXPECT_EQ(jump.标签1->text(), c.prompt) << c.what;
        EXPECT_EQ(jump.windowTitle(), c.title) << c.what;
        EXPECT_EQ(jump.编辑框_跳转->text(), "kept") << c.what << ": the box's text is not touched";
        enter(jump, c.typed);
        EXPECT_EQ(jump.编辑框_跳转->text(), c.accepted) << c.what;
    }
}

TEST_F(JumpWindowLayout, NumberModeFiltersWhatIsTypedNotWhatTheBoxHolds) {
    JumpWindow& jump = open();
    switchMode(jump);
    enter(jump, "notes");
    switchMode(jump); // back to number mode with a name in the box
    QLineEdit* box = jump.编辑框_跳转;
    box->setCursorPosition(box->text().size());
    const struct {
        const char* what;
        std::function<void()> act;
        QString after;
    } steps[] = {
        {"Backspace", [&] { QTest::keyClick(box, Qt::Key_Backspace); }, "note"},
        {"a digit", [&] { QTest::keyClick(box, '7'); }, "note7"},
        {"a minus", [&] { QTest::keyClick(box, '-'); }, "note7-"},
        {"a letter", [&] { QTest::keyClick(box, 'x'); }, "note7-"},
        {"a blank", [&] { QTest::keyClick(box, ' '); }, "note7-"},
        {"a Chinese character", [&] {
             QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, "页");
             QApplication::sendEvent(box, &press);
         }, "note7-"},
        {"a committed input-method text", [&] {
             QInputMethodEvent commit;
             commit.setCommitString("页");
             QApplication::sendEvent(box, &commit);
         }, "note7-"},
        {"Home, then Delete", [&] {
             QTest::keyClick(box, Qt::Key_Home);
             QTest::keyClick(box, Qt::Key_Delete);
         }, "ote7-"},
    };
    for (const auto& step : steps) {
        step.act();
        EXPECT_EQ(box->text(), step.after) << step.what;
    }
}

TEST_F(JumpWindowLayout, AnEmptiedBoxIsRefilledOnlyInNumberMode) {
    makeTabs(5);
    JumpWindow& jump = open();
    enter(jump, "3");
    EXPECT_TRUE(jump.按钮_开始跳转->isEnabled());
    QTest::keyClick(jump.编辑框_跳转, Qt::Key_Backspace);
    EXPECT_EQ(jump.编辑框_跳转->text(), "5") << "the number of the last page";
    EXPECT_TRUE(jump.按钮_开始跳转->isEnabled());

    switchMode(jump);
    QTest::keyClick(jump.编辑框_跳转, Qt::Key_Backspace);
    EXPECT_EQ(jump.编辑框_跳转->text(), "");
    EXPECT_FALSE(jump.按钮_开始跳转->isEnabled());
    enter(jump, "n");
    EXPECT_TRUE(jump.按钮_开始跳转->isEnabled());
}

TEST_F(JumpWindowLayout, KeysInTheJumpBoxStayThere) {
    type("abc");
    editBox().SendScintilla(QsciScintillaBase::SCI_GOTOPOS, 0UL);
    JumpWindow& jump = open();
    jump.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&jump));
    switchMode(jump);
    enter(jump, "xyz");
    jump.编辑框_跳转->setCursorPosition(0);
    QTest::keyClick(jump.编辑框_跳转, Qt::Key_Delete);
    QTest::keyClick(jump.编辑框_跳转, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(jump.编辑框_跳转->text(), "yz");
    EXPECT_EQ(jump.编辑框_跳转->selectedText(), "yz");
    EXPECT_EQ(pageBytes(0), "abc") << "the main window's Del and Ctrl+A do not reach into JumpWindow";
}

TEST_F(JumpByNumber, PagesAreNumberedOneToTheTabCount) {
    makeTabs(5);
    JumpWindow& jump = open();
    const struct {
        const char* entered;
        int to; // -1: refused with a message
    } cases[] = {
        {"3", 2},  {"5", 4},   {"1", 0},  {"6", -1},
        {"0", -1}, {"-1", -1}, {"-", -1}, {"99999999999999999999", -1},
    };
    for (const auto& c : cases) {
        tabs().setCurrent(1);
        ui.asked.clear();
        if (c.to < 0) answer({platform::Answer::Ok});
        enter(jump, c.entered);
        clickJump(jump);
        EXPECT_EQ(tabs().current(), c.to < 0 ? 1 : c.to) << c.entered;
        EXPECT_TRUE(program.store.textOf(tabs().current()).sameDocument(editBox().text())) << c.entered;
        const auto messages = ui.messages();
        ASSERT_EQ(messages.size(), c.to < 0 ? 1u : 0u) << c.entered;
        if (c.to < 0) {
            EXPECT_EQ(messages[0].text, "请正确输入跳转页面！");
            EXPECT_EQ(messages[0].title, "输入错误");
            EXPECT_EQ(messages[0].buttons, platform::Buttons::Ok);
            EXPECT_EQ(messages[0].icon, platform::Icon::Exclamation);
        }
        EXPECT_TRUE(jump.isVisible()) << "the window stays open for further jumps";
        EXPECT_TRUE(window->isTopmost()) << "always-on-top comes back";
        EXPECT_FALSE(window->进度条->isVisible());
        EXPECT_TRUE(window->状态条->isVisible());
    }
}

TEST_F(JumpByNumber, TextEnteredInNameModeIsReadAsANumber) {
    makeTabs(5);
    JumpWindow& jump = open();
    switchMode(jump);
    enter(jump, "2.9");
    switchMode(jump);
    clickJump(jump);
    EXPECT_EQ(tabs().current(), 1) << "the fraction is dropped";
    enter(jump, "");
    switchMode(jump);
    enter(jump, "abc");
    switchMode(jump);
    answer({platform::Answer::Ok});
    clickJump(jump);
    EXPECT_EQ(tabs().current(), 1) << "text that is not a number reads as 0";
}

TEST_F(JumpByName, TheFirstHalfOfTheEnteredBytesIsCompared) {
    makeTabs(6);
    const QString tips[] = {"新建文件[1]", "notebook.txt", "novel.txt", "memo.txt", "本子.txt", "说明.txt"};
    for (int k = 0; k < 6; ++k)
        tabs().setTip(k, tips[k]);
    JumpWindow& jump = open();
    switchMode(jump);
    const struct {
        const char* entered;
        int prefix;
        int to;
        const char* why;
    } cases[] = {
        {"notes", 2, 2, "notebook.txt and novel.txt match; the later one wins"},
        {"memory", 3, 3, "mem"},
        {"x", 0, 0, "nothing compared: every tab matches, tab 0 last"},
        {"zzzz", 2, 5, "no match: the current tab stays"},
        {"笔x", 1, 4, "one byte, half of 笔, which 本 shares"},
        {"新建文件", 4, 0, "新建 in the code page"},
        {"说明书", 3, 5, "说 and half of 明"},
    };
    for (const auto& c : cases) {
        tabs().setCurrent(5);
        enter(jump, c.entered);
        clickJump(jump);
        EXPECT_EQ(program.jumpPrefixLength, c.prefix) << c.entered;
        EXPECT_EQ(tabs().current(), c.to) << c.entered << ": " << c.why;
        EXPECT_TRUE(program.store.textOf(tabs().current()).sameDocument(editBox().text())) << c.entered;
        EXPECT_FALSE(window->进度条->isVisible()) << c.entered;
        EXPECT_EQ(window->进度条->value(), 0) << c.entered;
        EXPECT_TRUE(window->isTopmost()) << c.entered;
    }
    EXPECT_TRUE(ui.messages().empty()) << "a jump by name never complains";
}
