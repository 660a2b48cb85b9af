// Closing pages and the modified test.
#include "app/opening.h"
#include "document/closing.h"
#include "platform/files.h"
#include "support/app_fixture.h"

using platform::Answer;
using testing_support::AppFixture;

namespace {

class Closing : public testing_support::DocumentFixture {
  protected:
    void close() { window->button("图形按钮_关闭当前")->click(); }
    void closeAll() { window->action("全部关闭(&Q)", window->标签选项)->trigger(); }
    void newPage() { window->action("新建文件(&N)")->trigger(); }
    // Tabs 0..4 holding files p0..p4 with texts t0..t4.
    void openFive() {
        QStringList paths;
        for (int i = 0; i < 5; ++i)
            paths << file(QString("p%1.txt").arg(i), "t" + std::to_string(i));
        openChosen(paths);
    }
};

} // namespace

TEST_F(Closing, TheModifiedTestComparesBytesWithTheFile) {
    const QString same = file("same.txt", "abc"), zero = file("zero.txt", std::string("abc\0def", 7)),
                  empty = file("empty.txt", "");
    const struct {
        const char* what;
        std::string text;
        QString path;
        bool modified;
    } cases[] = {
        {"same bytes", "abc", same, false},
        {"different bytes", "abd", same, true},
        {"longer", "abcd", same, true},
        {"shorter", "ab", same, true},
        {"a file cut at its zero byte", "abc", zero, false},
        {"no file, empty text", "", "", false},
        {"no file, some text", "x", "", true},
        {"missing file, empty text", "", folder.path() + "/gone.txt", false},
        {"missing file, some text", "x", folder.path() + "/gone.txt", true},
        {"empty file, empty text", "", empty, false},
        {"a folder", "x", folder.path(), true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(document::isPageModified(app::PageText::fromBytes(c.text), c.path), c.modified) << c.what;

    // A text of several megabytes is compared piece by piece, up to its very last byte.
    std::string big;
    for (int i = 0; big.size() < (3u << 20); ++i)
        big += "\xd6\xd0\xce\xc4 line " + std::to_string(i) + "\r\n";
    const QString bigFile = file("big.txt", big);
    EXPECT_FALSE(document::isPageModified(app::PageText::fromBytes(big), bigFile));
    std::string changed = big;
    changed.back() = 'x';
    EXPECT_TRUE(document::isPageModified(app::PageText::fromBytes(changed), bigFile));
    EXPECT_TRUE(document::isPageModified(app::PageText::fromBytes(big + "\xd6"), bigFile));
}

TEST_F(Closing, UneditedPagesCloseWithoutAQuestion) {
    newPage();
    close();
    EXPECT_EQ(tabs().count(), 1);
    openChosen({file("zero.txt", std::string("head\0tail", 9))});
    openChosen({file("z2.txt", std::string("more\0tail", 9))});
    close(); // the page holds "more"; its file up to the zero byte holds the same
    EXPECT_EQ(tabs().count(), 1);
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(Closing, AFileChangedOnDiskIsOfferedForSaving) {
    const QString path = file("a.txt", "mine");
    openChosen({path});
    file("a.txt", "theirs");
    answer({Answer::Cancel});
    close();
    ASSERT_EQ(ui.messages().size(), 1u);
    const auto m = ui.messages()[0];
    EXPECT_EQ(m.text, "文件: a.txt 已经被修改！\r\n文件路径: " + path + "\r\n请问是否保存？");
    EXPECT_EQ(m.title, "文件已经被修改,是否保存！");
    EXPECT_EQ(m.buttons, platform::Buttons::YesNoCancel);
    EXPECT_EQ(m.icon, platform::Icon::Question);
    EXPECT_EQ(pageBytes(0), "mine") << "cancel leaves the page";
    EXPECT_EQ(program.closeCancelled, 0);

    answer({Answer::Yes});
    close();
    EXPECT_EQ(bytesOf(path), "mine");
    EXPECT_EQ(pageBytes(0), "");
    EXPECT_EQ(program.store.firstPagePath, "");
}

TEST_F(Closing, APageWhoseSaveFailedStaysOpen) {
    const QString path = file("a.txt", "old");
    openChosen({path, file("b.txt", "b")});
    tabs().setCurrent(0);
    type("new ");
    platform::files::systemCalls().rename = [](const char*, const char*) {
        errno = EACCES;
        return -1;
    };
    answer({Answer::Yes, Answer::Ok}); // save before closing; the failure is shown
    close();
    EXPECT_EQ(tabs().count(), 2);
    EXPECT_EQ(pageBytes(0), "new old");
    EXPECT_EQ(program.store.firstPagePath, path);
    EXPECT_EQ(bytesOf(path), "old");
    EXPECT_EQ(program.closeCancelled, 0);
}

TEST_F(Closing, WhichTabBecomesCurrent) {
    const struct {
        const char* what;
        int close;
        int current;
        std::vector<std::string> left; // texts of the remaining pages
    } cases[] = {
        {"a middle tab", 2, 2, {"t0", "t1", "t3", "t4"}},
        {"the last tab", 4, 0, {"t0", "t1", "t2", "t3"}},
        {"the first tab", 0, 0, {"", "t1", "t2", "t3", "t4"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        window.reset();
        program = app::Program();
        start();
        openFive();
        tabs().setCurrent(c.close);
        close();
        ASSERT_EQ(tabs().count(), static_cast<int>(c.left.size()));
        EXPECT_EQ(tabs().current(), c.current);
        EXPECT_EQ(editBox().utf8(), c.left[c.current]);
        ASSERT_EQ(program.store.pageTexts.size(), c.left.size() - 1);
        for (std::size_t k = 0; k < c.left.size(); ++k)
            EXPECT_EQ(pageBytes(static_cast<int>(k)), c.left[k]);
        for (int k = 1; k < tabs().count(); ++k)
            EXPECT_EQ(tabs().tip(k), app::fileNameOf(program.store.pagePaths[k - 1]));
        EXPECT_EQ(pane(0), QString("总数:%1篇 当前:第%2篇").arg(c.left.size()).arg(c.current + 1));
    }
}

TEST_F(Closing, TheOnlyOtherTabLeavesTheFirstPageAlone) {
    const QString a = file("a.txt", "A"), b = file("b.txt", "B");
    openChosen({a, b});
    close();
    EXPECT_TRUE(program.store.pageTexts.empty());
    EXPECT_EQ(pageBytes(0), "A");
    EXPECT_EQ(program.store.firstPagePath, a);
    EXPECT_EQ(tabs().tip(0), "a.txt");
}

TEST_F(Closing, TheFirstPageBecomesTheNewestNewPageAgain) {
    type("x");
    newPage();
    newPage();
    program.store.firstPageColors = {255, 255};
    tabs().setCurrent(0);
    answer({Answer::No});
    close();
    EXPECT_EQ(uni(tabs().label(0)), "新建文件[3]");
    EXPECT_EQ(tabs().tip(0), "新建文件[3]");
    EXPECT_EQ(window->windowTitle(), "汀页本  ");
    EXPECT_EQ(editBox().background(), 0);
    EXPECT_EQ(editBox().foreground(), 32768);
    EXPECT_EQ(program.newFileCounter, 3);
    newPage();
    EXPECT_EQ(uni(tabs().label(3)), "新建文件[4]") << "closing gives no number back";
}

TEST_F(Closing, YesThenCancelledDialogStillCloses) {
    newPage();
    type("never saved");
    answer({Answer::Yes});
    choose({});
    close();
    EXPECT_EQ(tabs().count(), 1);
}

TEST_F(Closing, CloseAllReviewsSavesAndEmpties) {
    const QString a = file("a.txt", "a");
    type("edited first");
    openChosen({a});
    type("+");
    answer({Answer::Yes}); // save all?
    choose({});            // the first page has no file: skip it
    closeAll();
    const std::string review =
        gbk("以下文件均被修改：\r\n新建文件[1]\r\n") + gbk(a) + "\r\n" + gbk("是否全部保存？");
    EXPECT_EQ(bytesOf(folder.path() + "/修改文件.TXT"), review);
    EXPECT_EQ(bytesOf(a), "+a");
    EXPECT_EQ(tabs().count(), 1);
    EXPECT_EQ(pageBytes(0), "");
    EXPECT_EQ(program.store.firstPagePath, "");
    EXPECT_TRUE(program.store.pageTexts.empty());
    EXPECT_EQ(uni(tabs().label(0)), "新建文件[1]");
    EXPECT_EQ(window->windowTitle(), "汀页本  ");
    EXPECT_FALSE(window->进度条->isVisible());
}

TEST_F(Closing, CloseAllWithNothingModified) {
    const QString a = file("a.txt", "a");
    openChosen({a, file("b.txt", "b")});
    answer({Answer::No});
    closeAll();
    EXPECT_EQ(ui.messages().back().text, "确定关闭全部打开的文件吗？");
    EXPECT_EQ(ui.messages().back().title, "是否全部关闭？");
    EXPECT_EQ(tabs().count(), 2);
    EXPECT_FALSE(window->进度条->isVisible());
    answer({Answer::Yes});
    closeAll();
    EXPECT_EQ(tabs().count(), 1);
    EXPECT_EQ(program.store.firstPagePath, "");
}

TEST_F(Closing, CloseAllKeepsPagesWhoseWriteFailed) {
    const QString a = file("a.txt", "a");
    openChosen({a, file("b.txt", "b")});
    type("lost?");
    platform::files::systemCalls().rename = [](const char*, const char*) {
        errno = ENOSPC;
        return -1;
    };
    answer({Answer::Yes, Answer::Ok, Answer::Ok, Answer::Ok}); // save all; every write fails
    closeAll();
    EXPECT_EQ(tabs().count(), 3) << "nothing is thrown away";
    EXPECT_EQ(pageBytes(1), "lost?b");
    EXPECT_FALSE(window->进度条->isVisible());
}

TEST_F(Closing, TheReviewFileGoesToTheTemporaryFolder) {
    EXPECT_EQ(document::reviewPath(), folder.path() + "/修改文件.TXT");
    qunsetenv("temp");
    EXPECT_EQ(document::reviewPath(), QDir::tempPath() + "/修改文件.TXT");
}
