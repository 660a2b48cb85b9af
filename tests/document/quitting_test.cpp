// Leaving the program through the close box or the exit items.
#include "document/quitting.h"
#include "platform/files.h"
#include "support/app_fixture.h"

using platform::Answer;
using testing_support::AppFixture;

namespace {

class Quitting : public testing_support::DocumentFixture {
  protected:
    QString reviewFile() { return folder.path() + "/修改文件.TXT"; }
    bool closeBox() { return window->close(); } // true when the window closed
    void exitItem() { window->action("退      出(&E)")->trigger(); }
};

} // namespace

TEST_F(Quitting, CloseBoxWithNothingModified) {
    window->setTopmost(true);
    answer({Answer::No});
    EXPECT_FALSE(closeBox());
    EXPECT_EQ(ui.messages().back().text, "确定退出程序吗？");
    EXPECT_EQ(ui.messages().back().title, "汀页本！");
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->状态条->isVisible());
    EXPECT_TRUE(window->isTopmost());
    answer({Answer::Yes});
    EXPECT_TRUE(closeBox());
}

TEST_F(Quitting, CloseBoxReviewYesSavesWithoutAskingAgain) {
    const QString a = file("a.txt", "a");
    openChosen({a});
    type("+");
    answer({Answer::Yes});
    EXPECT_TRUE(closeBox());
    ASSERT_EQ(ui.messages().size(), 1u) << "no second question";
    EXPECT_EQ(ui.messages()[0].text,
              "被修改的文件\r\n文本框里的所有文件均为已经修改的文件\r\n是否保存已经修改过的文件？");
    EXPECT_EQ(ui.messages()[0].title, "文件已经被修改！");
    EXPECT_EQ(bytesOf(a), "+a");
    const std::string review = gbk("以下文件被修改：\r\n") + gbk(a) + "\r\n" + gbk("是否全部保存？");
    EXPECT_EQ(bytesOf(reviewFile()), review);
    EXPECT_EQ(program.skipSaveAllConfirm, 0);
    ASSERT_EQ(tabs().count(), 2);
    EXPECT_EQ(uni(tabs().label(1)), "被修改的文件");
    EXPECT_EQ(tabs().tip(1), "以下文件被修改");
    EXPECT_EQ(program.store.pageColors[0], gbk("0；255"));
}

TEST_F(Quitting, CloseBoxReviewShowsTheListRedOnBlack) {
    type("new text");
    answer({Answer::No});
    EXPECT_TRUE(closeBox()) << "No ends the program at once";
    // The review page was made current before the question.
    EXPECT_EQ(editBox().bytes(), gbk("以下文件被修改：\r\n新建文件[1]\r\n是否全部保存？"));
    EXPECT_EQ(editBox().foreground(), 255);
    EXPECT_EQ(editBox().background(), 0);
    EXPECT_EQ(bytesOf(reviewFile()), "<missing>") << "No writes nothing";
}

TEST_F(Quitting, CloseBoxStaysOpenWhenAWriteFails) {
    const QString a = file("a.txt", "a");
    openChosen({a});
    type("+");
    platform::files::systemCalls().rename = [](const char*, const char*) {
        errno = EROFS;
        return -1;
    };
    answer({Answer::Yes, Answer::Ok, Answer::Ok}); // review; a.txt and the review file fail
    EXPECT_FALSE(closeBox());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(tabs().current(), 1) << "the review page stays";
    EXPECT_EQ(bytesOf(a), "a");
}

TEST_F(Quitting, MenuExitReviewsButStaysOpen) {
    const QString a = file("a.txt", "a");
    openChosen({a});
    type("+");
    answer({Answer::Yes, Answer::No}); // review: save; save all: no
    exitItem();
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isDestroyed());
    EXPECT_EQ(bytesOf(a), "a") << "nothing written";
    EXPECT_EQ(ui.messages().back().text, "你确定保存全部文件吗？");
    EXPECT_EQ(tabs().count(), 2);

    // A second exit lists the review page too: its file does not exist yet.
    answer({Answer::No});
    exitItem();
    EXPECT_EQ(pageBytes(tabs().current()), gbk("以下文件被修改：\r\n") + gbk(a) + "\r\n" + gbk(reviewFile()) +
                                               "\r\n" + gbk("是否全部保存？"));
    EXPECT_TRUE(window->isDestroyed());
    EXPECT_FALSE(window->isVisible());
}

TEST_F(Quitting, MenuExitWithNothingModified) {
    answer({Answer::No});
    window->action("退            出(&X)", window->托盘菜单)->trigger();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->状态条->isVisible());
    answer({Answer::Yes});
    exitItem();
    EXPECT_TRUE(window->isDestroyed());
}

TEST_F(Quitting, MenuExitFromTheTrayWhileHidden) {
    type("x");
    window->hide();
    answer({Answer::No});
    window->action("退            出(&X)", window->托盘菜单)->trigger();
    EXPECT_EQ(ui.messages().size(), 1u);
    EXPECT_TRUE(window->isDestroyed());
}
