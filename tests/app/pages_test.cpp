// Pages: adding, switching, the status bar and caption, and the store's invariants.
#include "app/new_page.h"
#include "app/page_switching.h"
#include "support/app_fixture.h"

#include <QTest>
#include <random>

using testing_support::AppFixture;

namespace {

class Pages : public AppFixture {
  protected:
    void SetUp() override { start(); }
    void newPage() { window->action("新建文件(&N)")->trigger(); }
    std::string storedUtf8(int k) { return program.store.textOf(k).utf8(); }
};

} // namespace

TEST_F(Pages, NewPagesAreNumberedAndShownEmptyInTheirOwnColours) {
    type("first");
    program.store.firstPageColors = {255, 16777215};
    app::onPageSwitched(program);
    EXPECT_EQ(editBox().background(), 255);

    newPage();
    window->button("图形按钮_新建")->click();
    newPage();
    ASSERT_EQ(tabs().count(), 4);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(uni(tabs().label(k)), QString("新建文件[%1]").arg(k + 1));
        EXPECT_EQ(tabs().tip(k), QString("新建文件[%1]").arg(k + 1));
        EXPECT_EQ(program.store.pageColors[k - 1], gbk("0；32768"));
        EXPECT_EQ(program.store.pagePaths[k - 1], "");
    }
    EXPECT_EQ(tabs().current(), 3);
    EXPECT_EQ(editBox().utf8(), "");
    EXPECT_EQ(editBox().background(), 0);
    EXPECT_EQ(editBox().foreground(), 32768);
    EXPECT_EQ(window->windowTitle(), "汀页本");
    EXPECT_EQ(pane(0), "总数:4篇 当前:第4篇");
    EXPECT_EQ(pane(1), "标题:新建文件[4]");
    EXPECT_EQ(pane(2), "路径：");
    EXPECT_EQ(storedUtf8(0), "first") << "adding pages never changes the page that was current";
    EXPECT_EQ(program.newFileCounter, 4);
}

TEST_F(Pages, SwitchingShowsThePageItsCaptionAndStatus) {
    newPage();
    program.store.pagePaths[0] = "/docs/a.txt";
    program.store.firstPagePath = "/docs/first.txt";
    program.store.pageColors[0] = gbk("255；16777215");
    type("second page");
    tabs().setCurrent(0);
    EXPECT_EQ(window->windowTitle(), "汀页本  /docs/first.txt");
    EXPECT_EQ(pane(2), "/docs/first.txt");
    EXPECT_EQ(editBox().utf8(), "");
    tabs().setCurrent(1);
    EXPECT_EQ(window->windowTitle(), "汀页本  /docs/a.txt");
    EXPECT_EQ(pane(0), "总数:2篇 当前:第2篇");
    EXPECT_EQ(pane(2), "路径：/docs/a.txt");
    EXPECT_EQ(editBox().utf8(), "second page");
    EXPECT_EQ(editBox().background(), 255) << "a red background";
    EXPECT_EQ(editBox().foreground(), 16777215) << "white text";

    program.store.pagePaths[0] = "";
    tabs().setCurrent(0);
    tabs().setCurrent(1);
    EXPECT_EQ(window->windowTitle(), "汀页本  ") << "an empty path keeps the two blanks";
}

TEST_F(Pages, SelectingTheCurrentTabDoesNotReloadTheEditBox) {
    type("abc");
    int changes = 0;
    auto previous = editBox().onTextChanged;
    editBox().onTextChanged = [&] {
        ++changes;
        previous();
    };
    tabs().setCurrent(0);
    EXPECT_EQ(changes, 0);
    // Undo still has the typing: the box was not given its text again.
    editBox().SendScintilla(QsciScintillaBase::SCI_UNDO);
    EXPECT_EQ(editBox().utf8(), "");
}

TEST_F(Pages, TypingStoresIntoTheCurrentPageOnly) {
    newPage();
    newPage();
    newPage();
    tabs().setCurrent(3);
    type("fourth");
    tabs().setCurrent(0);
    type("one");
    EXPECT_EQ(storedUtf8(0), "one");
    EXPECT_EQ(storedUtf8(1), "");
    EXPECT_EQ(storedUtf8(2), "");
    EXPECT_EQ(storedUtf8(3), "fourth");
}

TEST_F(Pages, ColourPairs) {
    const struct {
        const char* pair;
        long background, text;
    } cases[] = {{"0；32768", 0, 32768},
                 {"255；16777215", 255, 16777215},
                 {"１２；３", 12, 3},
                 {"abc；x", 0, 0},
                 {"7.9；-1", 7, -1}};
    for (const auto& c : cases) {
        const auto pair = app::readColourPair(gbk(c.pair));
        EXPECT_EQ(pair.background, c.background) << c.pair;
        EXPECT_EQ(pair.text, c.text) << c.pair;
    }
    EXPECT_EQ(app::colourPairText(0, 255), gbk("0；255"));
}

TEST_F(Pages, SuspendTopmostNests) {
    const struct {
        const char* what;
        bool topmostBefore;
        std::vector<int> calls;
        bool topmostAfter;
    } cases[] = {
        {"take away and give back", true, {1, 0}, true},
        {"twice 1, then 0 once", true, {1, 1, 0}, true},
        {"1 only", true, {1}, false},
        {"0 while on top", true, {0}, true},
        {"not on top stays off", false, {1, 0}, false},
    };
    for (const auto& c : cases) {
        program.wasTopmost = 0;
        window->setTopmost(c.topmostBefore);
        for (int flag : c.calls)
            app::suspendTopmost(program, flag);
        EXPECT_EQ(window->isTopmost(), c.topmostAfter) << c.what;
    }
}

TEST_F(Pages, ProgressBarTakesTheStatusBarsPlace) {
    app::showProgressBar(program, 1);
    EXPECT_TRUE(window->进度条->isVisible());
    EXPECT_FALSE(window->状态条->isVisible());
    EXPECT_EQ(window->进度条->geometry().topLeft(), window->状态条->geometry().topLeft());
    app::advanceProgress(program, 333);
    app::advanceProgress(program, 333);
    EXPECT_EQ(window->进度条->value(), 666);
    app::showProgressBar(program, 0);
    EXPECT_FALSE(window->进度条->isVisible());
    EXPECT_TRUE(window->状态条->isVisible());
    EXPECT_EQ(window->进度条->value(), 0);
}

TEST_F(Pages, TabEventsStopScrollingAndOpenTheTabMenu) {
    newPage();
    newPage();
    window->时钟_滚动->setPeriod(500);
    const QPoint first = tabs().tabRect(0).center();
    QTest::mousePress(&tabs(), Qt::LeftButton, {}, first);
    QTest::mouseRelease(&tabs(), Qt::LeftButton, {}, first);
    EXPECT_EQ(window->时钟_滚动->period(), 0);
    EXPECT_EQ(tabs().current(), 0);

    window->时钟_滚动->setPeriod(500);
    QTest::mousePress(&tabs(), Qt::LeftButton, {}, first);
    EXPECT_EQ(window->时钟_滚动->period(), 0) << "a press on the current tab stops it too";
    QTest::mouseRelease(&tabs(), Qt::LeftButton, {}, first);

    QTest::mouseClick(&tabs(), Qt::RightButton, {}, tabs().tabRect(2).center());
    EXPECT_FALSE(window->标签选项->isVisible()) << "not the current tab: no menu";
    EXPECT_EQ(tabs().current(), 0);
    QTest::mouseClick(&tabs(), Qt::RightButton, {}, first);
    EXPECT_TRUE(window->标签选项->isVisible());
    window->标签选项->hide();
}

// Long random sequences of what a user does; after every step the store must match what
// the window shows.
TEST_F(Pages, RandomSessionsKeepTheStoreConsistent) {
    std::mt19937 random(20261211);
    struct Expected {
        std::string text;
        long background = 0, foreground = 32768;
    };
    std::vector<Expected> pages(1);
    const QString samples[] = {"a", "中文", "x\n", " ", "€", "𝄞"};
    for (int step = 0; step < 400; ++step) {
        const int k = tabs().current();
        switch (random() % 7) {
        case 0:
            newPage();
            pages.push_back({});
            break;
        case 1: { // a click on a tab
            const int target = static_cast<int>(random() % tabs().count());
            const QPoint at = tabs().tabRect(target).center();
            tabs().setCurrent(target); // the strip may have to scroll the tab into view first
            QTest::mouseClick(&tabs(), Qt::LeftButton, {}, at);
            break;
        }
        case 2:
            tabs().setCurrent(static_cast<int>(random() % (tabs().count() + 2)) - 1);
            break;
        case 3:
        case 4: {
            const QString s = samples[random() % std::size(samples)];
            type(s);
            break;
        }
        case 5: // delete the character before the caret
            QTest::keyClick(&editBox(), Qt::Key_Backspace);
            break;
        case 6: { // the page's colours change, as the settings window changes them
            const long bg = static_cast<long>(random() % 0x1000000),
                       fg = static_cast<long>(random() % 0x1000000);
            if (k == 0)
                program.store.firstPageColors = {bg, fg};
            else
                program.store.pageColors[k - 1] = app::colourPairText(bg, fg);
            editBox().setColours(bg, fg);
            pages[k].background = bg;
            pages[k].foreground = fg;
            break;
        }
        }
        const int now = tabs().current();
        pages[now].text = editBox().utf8();
        ASSERT_EQ(program.store.pageTexts.size(), static_cast<std::size_t>(tabs().count() - 1)) << step;
        ASSERT_EQ(program.store.pagePaths.size(), program.store.pageTexts.size()) << step;
        ASSERT_EQ(program.store.pageColors.size(), program.store.pageTexts.size()) << step;
        ASSERT_EQ(storedUtf8(now), editBox().utf8()) << step;
        ASSERT_TRUE(program.store.textOf(now).sameDocument(editBox().text())) << step;
        ASSERT_EQ(pane(0), QString("总数:%1篇 当前:第%2篇").arg(tabs().count()).arg(now + 1)) << step;
        for (int i = 0; i < tabs().count(); ++i)
            ASSERT_EQ(storedUtf8(i), pages[i].text) << step << " page " << i;
        ASSERT_EQ(editBox().background(), pages[now].background) << step;
        ASSERT_EQ(editBox().foreground(), pages[now].foreground) << step;
    }
}
