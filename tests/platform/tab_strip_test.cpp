#include "platform/tab_strip.h"

#include <QApplication>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

using platform::TabStrip;

namespace {

// A strip with tabs 0..n-1 and current index `current`, counting tab-changed events and
// noting the index in force while each event ran.
struct Strip {
    TabStrip strip;
    std::vector<int> eventsAt;
    Strip(int n, int current) {
        for (int i = 0; i < n; ++i)
            strip.appendTab("t" + std::to_string(i));
        strip.setCurrent(current);
        QObject::connect(&strip, &TabStrip::tabChanged, [this] { eventsAt.push_back(strip.current()); });
    }
};

} // namespace

TEST(TabStrip, OperationsRaiseTheEventExactlyAsPromised) {
    const struct {
        const char* what;
        int tabs, current;
        std::function<void(TabStrip&)> op;
        int count, currentAfter;
        std::vector<int> events; // the index in force during each event
        const char* labelOfCurrent;
    } cases[] = {
        {"append raises nothing", 3, 1, [](TabStrip& s) { s.appendTab("new"); }, 4, 1, {}, "t1"},
        {"select another tab", 5, 0, [](TabStrip& s) { s.setCurrent(3); }, 5, 3, {3}, "t3"},
        {"select the current tab", 5, 2, [](TabStrip& s) { s.setCurrent(2); }, 5, 2, {}, "t2"},
        {"select a negative index", 5, 2, [](TabStrip& s) { s.setCurrent(-1); }, 5, 2, {}, "t2"},
        {"select past the end", 5, 2, [](TabStrip& s) { s.setCurrent(5); }, 5, 2, {}, "t2"},
        {"delete after the current tab", 5, 1, [](TabStrip& s) { s.deleteTab(3); }, 4, 1, {}, "t1"},
        {"delete before the current tab", 5, 3, [](TabStrip& s) { s.deleteTab(1); }, 4, 2, {2}, "t3"},
        {"delete the current tab with one after it",
         5,
         2,
         [](TabStrip& s) { s.deleteTab(2); },
         4,
         2,
         {},
         "t3"},
        {"delete the current last tab", 5, 4, [](TabStrip& s) { s.deleteTab(4); }, 4, 0, {0}, "t0"},
        {"delete the current first tab", 3, 0, [](TabStrip& s) { s.deleteTab(0); }, 2, 0, {}, "t1"},
        {"delete a tab that does not exist", 3, 0, [](TabStrip& s) { s.deleteTab(7); }, 3, 0, {}, "t0"},
    };
    for (const auto& c : cases) {
        Strip s(c.tabs, c.current);
        c.op(s.strip);
        EXPECT_EQ(s.strip.count(), c.count) << c.what;
        EXPECT_EQ(s.strip.current(), c.currentAfter) << c.what;
        EXPECT_EQ(s.eventsAt, c.events) << c.what;
        EXPECT_EQ(s.strip.label(s.strip.current()), c.labelOfCurrent) << c.what;
    }
}

TEST(TabStrip, LabelsKeepTheirBytesAndTipsAreSeparate) {
    TabStrip s;
    s.appendTab("\xbb\xe1\xd2\xe9\xbc\xc7\xc2"); // 会议记 and half of a character
    s.appendTab("a&b");
    s.setTip(1, "a&b.txt");
    EXPECT_EQ(s.label(0), "\xbb\xe1\xd2\xe9\xbc\xc7\xc2");
    EXPECT_EQ(s.label(1), "a&b");
    EXPECT_EQ(s.tabText(1), "a&&b") << "an ampersand is shown, not taken as a mnemonic";
    EXPECT_EQ(s.tip(1), "a&b.txt");
    EXPECT_EQ(s.tip(0), "") << "a new tab has an empty tip";
}

TEST(TabStrip, MouseButtons) {
    Strip s(3, 0);
    s.strip.resize(400, 30);
    s.strip.show();
    std::vector<std::pair<int, int>> pressed; // (index pressed, current at that moment)
    std::vector<int> released;
    QObject::connect(&s.strip, &TabStrip::leftPressed, [&](int i) {
        pressed.push_back({i, s.strip.current()});
    });
    QObject::connect(&s.strip, &TabStrip::rightReleased, [&](int i) { released.push_back(i); });

    const QPoint second = s.strip.tabRect(2).center();
    QTest::mouseClick(&s.strip, Qt::RightButton, {}, second);
    EXPECT_EQ(s.strip.current(), 0) << "a right click selects nothing";
    EXPECT_EQ(released, std::vector<int>{2});
    EXPECT_TRUE(s.eventsAt.empty());

    QTest::mouseClick(&s.strip, Qt::LeftButton, {}, second);
    ASSERT_EQ(pressed.size(), 1u);
    EXPECT_EQ(pressed[0], std::make_pair(2, 0)) << "reported before the strip selects the tab";
    EXPECT_EQ(s.strip.current(), 2);
    EXPECT_EQ(s.eventsAt, std::vector<int>{2});

    QTest::mouseClick(&s.strip, Qt::LeftButton, {}, second);
    EXPECT_EQ(pressed.size(), 2u) << "a press on the current tab is reported too";
    EXPECT_EQ(s.eventsAt.size(), 1u);

    for (const int delta : {120, -120}) {
        QWheelEvent wheel(second, s.strip.mapToGlobal(second), {}, {0, delta}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(&s.strip, &wheel);
        EXPECT_EQ(s.strip.current(), 2) << "the wheel turns no page (" << delta << ")";
    }
    EXPECT_EQ(s.eventsAt.size(), 1u);
}
