#include "ui/timer.h"

#include <gtest/gtest.h>

#include <memory>

#include "ui/testing/manual_animation_clock.h"

namespace ui {
namespace {

class TimerTest : public ::testing::Test {
protected:
    TimerTest() { SharedAnimationTimer().SetClock(&clock); }
    ~TimerTest() override { SharedAnimationTimer().SetClock(nullptr); }

    ManualAnimationClock clock;
    Timer timer;
    int fired = 0;
};

TEST_F(TimerTest, FiresOncePerIntervalWhileEnabled) {
    timer.OnTimer = [this](Object*) { ++fired; };
    timer.SetInterval(50);
    clock.Run(0.2);
    EXPECT_EQ(fired, 0);  // not enabled
    timer.SetEnabled(true);
    clock.Run(0.205);
    EXPECT_EQ(fired, 4);
    timer.SetEnabled(false);
    clock.Run(0.2);
    EXPECT_EQ(fired, 4);
    EXPECT_FALSE(SharedAnimationTimer().IsAttached(timer));
}

TEST_F(TimerTest, AShortIntervalFiresAtMostOncePerTick) {
    timer.OnTimer = [this](Object*) { ++fired; };
    timer.SetInterval(0);
    EXPECT_EQ(timer.Interval(), 1);
    timer.SetEnabled(true);
    clock.Run(0.1);
    EXPECT_EQ(fired, 10);
}

TEST_F(TimerTest, DestroyingAnEnabledTimerLeavesTheSharedTimer) {
    auto other = std::make_unique<Timer>();
    other->SetEnabled(true);
    EXPECT_TRUE(SharedAnimationTimer().IsAttached(*other));
    other.reset();
    EXPECT_EQ(SharedAnimationTimer().Count(), 0u);
}

}  // namespace
}  // namespace ui
