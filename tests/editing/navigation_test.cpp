// Moving between pages with the first/last buttons, their right-button steps and the scroll
// timer, on the real main window.
#include "app/page_switching.h"
#include "support/app_fixture.h"

#include <QTest>

using testing_support::AppFixture;

namespace {

class Navigation : public AppFixture {
  protected:
    void SetUp() override { start(); }

    void makeTabs(int count) {
        while (tabs().count() < count)
            window->action("新建文件(&N)")->trigger();
        // Each page gets its own text, so the shown page can be told apart.
        for (int k = 0; k < count; ++k) {
            program.store.textOf(k) = platform::PageText::fromBytes("page " + std::to_string(k));
        }
        app::onPageSwitched(program);
    }
    void expectShown(int k, const std::string& what) {
        EXPECT_EQ(tabs().current(), k) << what;
        EXPECT_EQ(editBox().bytes(), "page " + std::to_string(k)) << what;
        EXPECT_EQ(pane(0), QString("总数:%1篇 当前:第%2篇").arg(tabs().count()).arg(k + 1)) << what;
    }
    void rightPress(const char* name) { QTest::mousePress(window->button(name), Qt::RightButton); }
    void scrollItem(const char* caption) { window->action(caption, window->标签选项)->trigger(); }
    platform::Timer& timer() { return *window->时钟_滚动; }
};

} // namespace

TEST_F(Navigation, FirstAndLastButtons) {
    makeTabs(4);
    tabs().setCurrent(2);
    QTest::mouseClick(window->button("图形按钮_最后"), Qt::LeftButton);
    expectShown(3, "last");
    QTest::mouseClick(window->button("图形按钮_到最前"), Qt::LeftButton);
    expectShown(0, "first");
    QTest::mouseClick(window->button("图形按钮_到最前"), Qt::LeftButton);
    expectShown(0, "first again");
}

TEST_F(Navigation, RightPressStepsFivePagesWhenThatPageExists) {
    makeTabs(10);
    const struct {
        int from;
        const char* button;
        int to;
    } cases[] = {
        {0, "图形按钮_最后", 5},   {5, "图形按钮_最后", 5}, // tab 10 does not exist
        {4, "图形按钮_最后", 9},   {9, "图形按钮_最后", 9},
        {4, "图形按钮_到最前", 4}, // fewer than five before it
        {5, "图形按钮_到最前", 0}, {9, "图形按钮_到最前", 4},
        {0, "图形按钮_到最前", 0},
    };
    for (const auto& c : cases) {
        tabs().setCurrent(c.from);
        rightPress(c.button);
        expectShown(c.to, std::to_string(c.from) + " " + c.button);
    }
}

TEST_F(Navigation, ScrollTicksWalkToAnEndAndStop) {
    makeTabs(5);
    const struct {
        const char* what;
        const char* item;
        int from;
        std::vector<int> ticks; // the current tab after each tick; the timer stops at the last
    } cases[] = {
        {"toward the last page", "向后滚动(&T)", 2, {3, 4}},
        {"toward the last page from the last tab", "向后滚动(&T)", 4, {4}},
        {"toward the first page", "向前滚动(&R)", 3, {2, 1, 0}},
        {"toward the first page from the first tab", "向前滚动(&R)", 0, {0}},
    };
    for (const auto& c : cases) {
        tabs().setCurrent(c.from);
        scrollItem(c.item);
        EXPECT_EQ(timer().period(), 500) << c.what;
        EXPECT_TRUE(timer().isRunning()) << c.what;
        for (std::size_t i = 0; i < c.ticks.size(); ++i) {
            timer().fire();
            const std::string at = std::string(c.what) + ", tick " + std::to_string(i + 1);
            expectShown(c.ticks[i], at);
            EXPECT_EQ(timer().period(), i + 1 == c.ticks.size() ? 0 : 500) << at;
        }
        EXPECT_FALSE(timer().isRunning()) << c.what;
    }
}

TEST_F(Navigation, ChoosingAScrollItemWhileScrollingOnlyTurnsAround) {
    makeTabs(5);
    tabs().setCurrent(2);
    scrollItem("向后滚动(&T)");
    EXPECT_EQ(program.scrollForward, 1);
    timer().fire();
    expectShown(3, "forward");
    scrollItem("向前滚动(&R)");
    EXPECT_EQ(program.scrollForward, 0);
    EXPECT_EQ(timer().period(), 500);
    timer().fire();
    expectShown(2, "turned around");
}

TEST_F(Navigation, ALeftPressOnAnyTabStopsScrolling) {
    makeTabs(5);
    for (int pressed : {1, 3}) { // another tab, then the current one
        tabs().setCurrent(3);
        scrollItem("向前滚动(&R)");
        ASSERT_TRUE(timer().isRunning());
        QTest::mousePress(&tabs(), Qt::LeftButton, {}, tabs().tabRect(pressed).center());
        QTest::mouseRelease(&tabs(), Qt::LeftButton, {}, tabs().tabRect(pressed).center());
        EXPECT_EQ(timer().period(), 0) << pressed;
        EXPECT_FALSE(timer().isRunning()) << pressed;
        expectShown(pressed, "the pressed page is shown");
    }
}
