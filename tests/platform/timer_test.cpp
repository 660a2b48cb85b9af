#include "platform/timer.h"

#include <QElapsedTimer>
#include <QTest>
#include <gtest/gtest.h>

using platform::Timer;

namespace {

// Waits up to ms, counting the timer's ticks.
int ticksWithin(Timer& t, int ms) {
    int ticks = 0;
    t.onTick = [&] { ++ticks; };
    QTest::qWait(ms);
    return ticks;
}

} // namespace

TEST(Timer, PeriodRules) {
    QObject owner;
    Timer t("t", 0, &owner);
    EXPECT_EQ(t.objectName(), "t");
    EXPECT_FALSE(t.isRunning());
    EXPECT_EQ(ticksWithin(t, 60), 0) << "period 0 does not fire";

    t.setPeriod(-5);
    EXPECT_EQ(t.period(), 0);
    EXPECT_FALSE(t.isRunning());

    t.setPeriod(20);
    EXPECT_TRUE(t.isRunning());
    EXPECT_GT(ticksWithin(t, 150), 0);

    t.setPeriod(0);
    EXPECT_EQ(ticksWithin(t, 60), 0);
}

TEST(Timer, SettingAPeriodRestartsButTheSamePeriodChangesNothing) {
    QObject owner;
    Timer t("t", 200, &owner);
    int ticks = 0;
    t.onTick = [&] { ++ticks; };
    // Re-setting the same period every 50 ms must not keep postponing the tick.
    for (int i = 0; i < 6; ++i) {
        QTest::qWait(50);
        t.setPeriod(200);
    }
    EXPECT_GE(ticks, 1);

    // A new period restarts the countdown: changing it every 50 ms keeps a one-second timer
    // from firing, though more than a second passes in all.
    t.setPeriod(1000);
    ticks = 0;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 1500) {
        QTest::qWait(50);
        t.setPeriod(t.period() == 1000 ? 1001 : 1000);
    }
    EXPECT_EQ(ticks, 0);
}

TEST(Timer, FireRunsTheHandler) {
    QObject owner;
    Timer t("t", 0, &owner);
    int ticks = 0;
    t.onTick = [&] { ++ticks; };
    t.fire();
    EXPECT_EQ(ticks, 1);
}
