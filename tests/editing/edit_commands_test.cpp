// The edit commands on the real main window: their effect on the edit box, the clipboard
// and the page store, reached through the menu, the toolbar and the keyboard.
#include "app/page_switching.h"
#include "editing/edit_commands.h"
#include "platform/clipboard.h"
#include "support/app_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

using testing_support::AppFixture;
using S = QsciScintillaBase;

namespace {

class EditFixture : public AppFixture {
  protected:
    void SetUp() override {
        start();
        program.clock.setFixed(QDateTime(QDate(2010, 10, 7), QTime(9, 5, 3)));
    }

    int current() { return tabs().current(); }
    // Gives the current page these code-page bytes and shows them.
    void show(const std::string& bytes) {
        program.store.textOf(current()) = platform::PageText::fromBytes(bytes);
        app::onPageSwitched(program);
    }
    long length() { return editBox().SendScintilla(S::SCI_GETLENGTH); }
    void select(long anchor, long caret) { editBox().SendScintilla(S::SCI_SETSEL, anchor, caret); }
    long selectionStart() { return editBox().SendScintilla(S::SCI_GETSELECTIONSTART); }
    long selectionEnd() { return editBox().SendScintilla(S::SCI_GETSELECTIONEND); }
    long caret() { return editBox().SendScintilla(S::SCI_GETCURRENTPOS); }

    void menu(const char* caption) { window->action(caption, window->menu("编辑(&B)"))->trigger(); }
    void button(const char* name) { window->button(name)->click(); }

    // What the page holds is what the box shows.
    void expectStoredAsShown(const char* what = "") {
        EXPECT_EQ(pageBytes(current()), editBox().bytes()) << what;
        EXPECT_TRUE(program.store.textOf(current()).sameDocument(editBox().text())) << what;
    }

    static QClipboard& clipboard() { return *QGuiApplication::clipboard(); }
    // What this program finds on the clipboard, in the code page.
    static std::string clipboardBytes() { return platform::clipboard::text().value_or("<none>"); }
    static void putForeignText(const QString& text) { clipboard().setText(text); }
};

class EditCommands : public EditFixture {};
class EditClipboard : public EditFixture {};

class EditShortcuts : public EditFixture {
  protected:
    void SetUp() override {
        EditFixture::SetUp();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        editBox().setFocus();
    }
};

const std::string kDate = "2010\xC4\xEA"
                          "10\xD4\xC2"
                          "7\xC8\xD5"; // 2010年10月7日
const std::string kTime = "9\xCA\xB1"
                          "5\xB7\xD6"
                          "3\xC3\xEB"; // 9时5分3秒

} // namespace

TEST_F(EditCommands, DateAndTimeTextsHaveNoLeadingZeros) {
    const struct {
        QDateTime at;
        const char* date;
        const char* time;
    } cases[] = {
        {QDateTime(QDate(2010, 10, 7), QTime(9, 5, 3)), "2010年10月7日", "9时5分3秒"},
        {QDateTime(QDate(2001, 1, 1), QTime(0, 0, 0)), "2001年1月1日", "0时0分0秒"},
        {QDateTime(QDate(1999, 12, 31), QTime(23, 59, 59)), "1999年12月31日", "23时59分59秒"},
    };
    for (const auto& c : cases) {
        program.clock.setFixed(c.at);
        // The captions are crossed: "插入时间(&T)" inserts the date, "插入日期(&D)" the time.
        editBox().clear();
        menu("插入时间(&T)");
        EXPECT_EQ(uni(editBox().bytes()), c.date);
        expectStoredAsShown(c.date);
        editBox().clear();
        menu("插入日期(&D)");
        EXPECT_EQ(uni(editBox().bytes()), c.time);
        expectStoredAsShown(c.time);
    }
}

TEST_F(EditCommands, InsertingReplacesTheSelectionAndIsNotUndone) {
    show("abcdef");
    select(1, 4);
    menu("插入时间(&T)");
    EXPECT_EQ(editBox().bytes(), "a" + kDate + "ef") << "the three selected characters are replaced";
    EXPECT_EQ(caret(), length() - 2) << "the caret follows the date";
    expectStoredAsShown();

    // Typing before the insert cannot be undone afterwards: its record no longer fits the
    // text, and undoing it would remove the wrong characters.
    show("");
    type("xyz");
    select(0, 0);
    menu("插入日期(&D)");
    menu("撤消(&Z)");
    EXPECT_EQ(editBox().bytes(), kTime + "xyz");
    expectStoredAsShown();
}

TEST_F(EditCommands, DeleteRemovesTheSelectionOrTheNextCharacter) {
    const struct {
        const char* what;
        std::string text;
        long anchor, caret;
        std::string after;
        long caretAfter;
    } cases[] = {
        {"the character after the caret", "abc", 1, 1, "ac", 1},
        {"nothing at the end of the text", "abc", 3, 3, "abc", 3},
        {"a selection", "abcdef", 1, 4, "aef", 1},
        {"a selection made backwards", "abcdef", 4, 1, "aef", 1},
        {"a line end is one character", "a\r\nb", 1, 1, "ab", 1},
        {"a double-byte character", "\xD6\xD0\xCE\xC4", 0, 0, "\xCE\xC4", 0},
        {"an invalid byte",
         "a\x80"
         "b",
         1, 1, "ab", 1},
        {"an empty page", "", 0, 0, "", 0},
    };
    for (const auto& c : cases) {
        show(c.text);
        select(c.anchor, c.caret);
        menu("删除(&D)");
        EXPECT_EQ(editBox().bytes(), c.after) << c.what;
        EXPECT_EQ(caret(), c.caretAfter) << c.what;
        expectStoredAsShown(c.what);
    }
}

TEST_F(EditCommands, UndoFromTheMenuAndTheToolbar) {
    for (const char* via : {"menu", "toolbar"}) {
        show("keep");
        select(4, 4);
        type(" typed");
        ASSERT_EQ(editBox().bytes(), "keep typed");
        if (QString(via) == "menu")
            menu("撤消(&Z)");
        else
            button("图形按钮_撤消");
        EXPECT_EQ(editBox().bytes(), "keep") << via;
        expectStoredAsShown(via);
    }
}

TEST_F(EditCommands, UndoCoversOnlyTheCurrentPagesEditsSinceItWasShown) {
    type("first");
    window->action("新建文件(&N)")->trigger();
    type("second");
    tabs().setCurrent(0);
    menu("撤消(&Z)");
    EXPECT_EQ(editBox().bytes(), "first") << "switching pages starts the undo record afresh";
    EXPECT_EQ(pageBytes(1), "second");
}

TEST_F(EditCommands, SelectAllSelectsTheWholeTextWithTheCaretAtTheEnd) {
    show("one\r\ntwo\nthree\x80");
    select(2, 2);
    menu("全选(&A)");
    EXPECT_EQ(selectionStart(), 0);
    EXPECT_EQ(selectionEnd(), length());
    EXPECT_EQ(caret(), length());
    EXPECT_EQ(editBox().bytes(), "one\r\ntwo\nthree\x80");
}

TEST_F(EditClipboard, CopyAllPutsTheWholePageOnTheClipboardAndLeavesItSelected) {
    const struct {
        const char* what;
        std::string text;
    } cases[] = {
        {"mixed line ends and invalid bytes", "x\r\ny\nz\r\x80\xFF\xD6\xD0"},
        {"an empty page puts an empty text", ""},
    };
    for (const auto& c : cases) {
        putForeignText("what was there before");
        show(c.text);
        select(0, 0);
        button("图形按钮_复制全部文本到剪切板");
        EXPECT_EQ(clipboardBytes(), c.text) << c.what;
        EXPECT_EQ(clipboard().text(), uni(c.text)) << c.what << ": other programs get the text";
        EXPECT_EQ(selectionStart(), 0) << c.what;
        EXPECT_EQ(selectionEnd(), length()) << c.what;
        EXPECT_EQ(editBox().bytes(), c.text) << c.what;
    }
}

TEST_F(EditClipboard, SelectionBytesSurviveCopyAndPasteIntoAnotherPage) {
    // Invalid bytes, a lone lead byte before a line end and at the end, every kind of line
    // end, and double-byte characters.
    const std::string payload = "A\x80"
                                "B\xFF\x81\r\nC\nD\rE\xD6\xD0\xCE\xC4\xB0";
    for (const char* command : {"复制(&C)", "剪切(&X)"}) {
        show("<" + payload + ">");
        select(1, length() - 1);
        menu(command);
        EXPECT_EQ(clipboardBytes(), payload) << command;
        EXPECT_EQ(pageBytes(current()), QString(command) == "剪切(&X)" ? "<>" : "<" + payload + ">")
            << command;
        expectStoredAsShown(command);

        window->action("新建文件(&N)")->trigger();
        show("[]");
        select(1, 1);
        menu("粘贴(&V)");
        EXPECT_EQ(pageBytes(current()), "[" + payload + "]") << command;
        EXPECT_EQ(caret(), length() - 1) << command << ": the caret follows the pasted text";
        expectStoredAsShown(command);
    }
}

TEST_F(EditClipboard, ToolbarButtonsRunTheMenuCommands) {
    show("ab\x80\r\ncd");
    select(1, 3);
    button("图形按钮_复制");
    EXPECT_EQ(clipboardBytes(), "b\x80");
    button("图形按钮_剪切");
    EXPECT_EQ(editBox().bytes(), "a\r\ncd");
    button("图形按钮_撤消");
    EXPECT_EQ(editBox().bytes(), "ab\x80\r\ncd") << "undo brings the cut text back";
    select(1, 3);
    button("图形按钮_剪切");
    select(length(), length());
    button("图形按钮_粘贴");
    EXPECT_EQ(editBox().bytes(), "a\r\ncdb\x80");
    expectStoredAsShown();
}

TEST_F(EditClipboard, OtherProgramsGetUtf8PlainText) {
    show("\xD6\xD0\xCE\xC4\r\nA\x80");
    menu("全选(&A)");
    menu("复制(&C)");
    const QMimeData* data = clipboard().mimeData();
    ASSERT_TRUE(data->hasText());
    EXPECT_EQ(data->text(), QString("中文\r\nA\uFFFD")) << "an invalid byte has no character of its own";
    EXPECT_EQ(data->data("text/plain"), QByteArray("中文\r\nA\xEF\xBF\xBD"));
}

TEST_F(EditClipboard, PlainTextFromAnotherProgramIsConvertedToTheCodePage) {
    const struct {
        const char* what;
        QString text;
        std::string bytes;
    } cases[] = {
        {"ASCII", "plain text", "plain text"},
        {"Chinese", "中文", "\xD6\xD0\xCE\xC4"},
        {"line ends as they come", "a\nb\r\nc\rd", "a\nb\r\nc\rd"},
        {"beyond GBK: four bytes", "😀", "\x94\x39\xFC\x36"},
        {"the text ends at a zero", QString::fromUtf16(u"ab\0cd", 5), "ab"},
    };
    for (const auto& c : cases) {
        show("[]");
        select(1, 1);
        putForeignText(c.text);
        menu("粘贴(&V)");
        EXPECT_EQ(pageBytes(current()), "[" + c.bytes + "]") << c.what;
        expectStoredAsShown(c.what);
    }
}

TEST_F(EditClipboard, TheProgramsOwnBytesWinOverPlainText) {
    auto* data = new QMimeData;
    data->setData(platform::clipboard::kCodePageBytesType, QByteArray("\x80X"));
    data->setText("something else");
    clipboard().setMimeData(data);
    show("");
    menu("粘贴(&V)");
    EXPECT_EQ(editBox().bytes(), "\x80X");
}

TEST_F(EditClipboard, OneUndoRemovesAWholePasteAndBringsBackWhatItReplaced) {
    putForeignText("line one\r\nline two\nline three\r" + QString("中").repeated(500));
    show("hello world");
    select(6, 11);
    menu("粘贴(&V)");
    ASSERT_NE(editBox().bytes(), "hello world");
    menu("撤消(&Z)");
    EXPECT_EQ(editBox().bytes(), "hello world");
    expectStoredAsShown();
}

TEST_F(EditClipboard, NothingToActOnDoesNothing) {
    const struct {
        const char* what;
        std::function<void()> prepare;
        const char* command;
    } cases[] = {
        {"copy without a selection", [] {}, "复制(&C)"},
        {"cut without a selection", [] {}, "剪切(&X)"},
        {"paste from an empty clipboard", [] { clipboard().clear(); }, "粘贴(&V)"},
        {"paste of an empty text", [] { clipboard().setText(""); }, "粘贴(&V)"},
        {"paste of a picture only",
         [] {
             auto* data = new QMimeData;
             data->setData("image/png", QByteArray("\x89PNG"));
             clipboard().setMimeData(data);
         },
         "粘贴(&V)"},
    };
    for (const auto& c : cases) {
        putForeignText("kept");
        show("abc");
        select(1, 1);
        c.prepare();
        const std::string before = clipboardBytes();
        menu(c.command);
        EXPECT_EQ(editBox().bytes(), "abc") << c.what;
        EXPECT_EQ(caret(), 1) << c.what;
        EXPECT_EQ(clipboardBytes(), before) << c.what;
    }
}

TEST_F(EditClipboard, TheEditBoxOwnPopupIsReplacedByTheEditMenu) {
    // The box's own pop-up copies through QString; a right click shows our edit menu.
    QWidget* viewport = editBox().viewport();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(10, 10), viewport->mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(viewport, &event);
    QMenu* editMenu = window->menu("编辑(&B)");
    EXPECT_TRUE(editMenu->isVisible());
    editMenu->hide();
}

TEST_F(EditShortcuts, KeysRunTheProgramsCommandsInTheFocusedEditBox) {
    const std::string text = "ab\x80\r\ncd";
    const struct {
        const char* what;
        int key;
        Qt::KeyboardModifiers modifiers;
        const char* caption;
        std::string after;
        std::string clipboard; // what the program finds there afterwards
    } cases[] = {
        {"Ctrl+C", Qt::Key_C, Qt::ControlModifier, "复制(&C)", text, "b\x80"},
        {"Ctrl+Insert", Qt::Key_Insert, Qt::ControlModifier, "复制(&C)", text, "b\x80"},
        {"Ctrl+X", Qt::Key_X, Qt::ControlModifier, "剪切(&X)", "a\r\ncd", "b\x80"},
        {"Shift+Delete", Qt::Key_Delete, Qt::ShiftModifier, "剪切(&X)", "a\r\ncd", "b\x80"},
        {"Ctrl+V", Qt::Key_V, Qt::ControlModifier, "粘贴(&V)", "aZ\xFF\r\r\ncd", "Z\xFF\r"},
        {"Shift+Insert", Qt::Key_Insert, Qt::ShiftModifier, "粘贴(&V)", "aZ\xFF\r\r\ncd", "Z\xFF\r"},
        {"Delete", Qt::Key_Delete, Qt::NoModifier, "删除(&D)", "a\r\ncd", "Z\xFF\r"},
        {"Ctrl+A", Qt::Key_A, Qt::ControlModifier, "全选(&A)", text, "Z\xFF\r"},
        {"Ctrl+T", Qt::Key_T, Qt::ControlModifier, "插入时间(&T)", "a" + kDate + "\r\ncd", "Z\xFF\r"},
        {"Ctrl+D", Qt::Key_D, Qt::ControlModifier, "插入日期(&D)", "a" + kTime + "\r\ncd", "Z\xFF\r"},
    };
    for (const auto& c : cases) {
        platform::clipboard::putText("Z\xFF\r");
        show(text);
        select(1, 3);
        QSignalSpy triggered(window->action(c.caption, window->menu("编辑(&B)")), &QAction::triggered);
        QTest::keyClick(&editBox(), static_cast<Qt::Key>(c.key), c.modifiers);
        EXPECT_EQ(triggered.count(), 1) << c.what;
        EXPECT_EQ(editBox().bytes(), c.after) << c.what;
        EXPECT_EQ(clipboardBytes(), c.clipboard) << c.what;
        expectStoredAsShown(c.what);
    }
}

TEST_F(EditShortcuts, KeysThatReachTheBoxItselfDoNotCopyThroughQString) {
    // With the menu's items disabled the keys get past the window's shortcuts to the box,
    // which must not run its own clipboard commands: they would turn the invalid byte
    // into U+FFFD.
    for (QAction* a : window->menu("编辑(&B)")->actions())
        a->setEnabled(false);
    platform::clipboard::putText("kept");
    show("a\x80\r\nb");
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
    } keys[] = {{Qt::Key_C, Qt::ControlModifier}, {Qt::Key_Insert, Qt::ControlModifier},
                {Qt::Key_X, Qt::ControlModifier}, {Qt::Key_Delete, Qt::ShiftModifier},
                {Qt::Key_L, Qt::ControlModifier}, {Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier},
                {Qt::Key_V, Qt::ControlModifier}, {Qt::Key_Insert, Qt::ShiftModifier}};
    for (const auto& k : keys) {
        select(0, 2);
        QTest::keyClick(&editBox(), static_cast<Qt::Key>(k.key), k.modifiers);
        EXPECT_EQ(clipboardBytes(), "kept") << QKeySequence(k.key | k.modifiers).toString().toStdString();
        EXPECT_EQ(editBox().bytes(), "a\x80\r\nb")
            << QKeySequence(k.key | k.modifiers).toString().toStdString();
    }
}

TEST_F(EditShortcuts, CtrlZUndoesTyping) {
    show("abc");
    select(3, 3);
    type("def");
    QSignalSpy triggered(window->action("撤消(&Z)", window->menu("编辑(&B)")), &QAction::triggered);
    QTest::keyClick(&editBox(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(triggered.count(), 1);
    EXPECT_EQ(editBox().bytes(), "abc");
    expectStoredAsShown();
}

TEST_F(EditShortcuts, OrdinaryKeysStillType) {
    show("");
    QTest::keyClicks(&editBox(), "TaDa");
    QTest::keyClick(&editBox(), Qt::Key_Return);
    EXPECT_EQ(editBox().bytes(), "TaDa\r\n");
    expectStoredAsShown();
}
