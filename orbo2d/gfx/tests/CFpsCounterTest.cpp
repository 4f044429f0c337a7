// The frame counter against a hand-driven clock.
#include <gtest/gtest.h>

#include "gfx/CFpsCounter.h"

namespace {

struct SHandClock : IClock {
    std::uint32_t now = 0;
    std::uint32_t GetTicks() override { return now; }
    void Delay(std::uint32_t ms) override { now += ms; }
};

TEST(CFpsCounter, ZeroUntilTheFirstSecondHasPassed)
{
    SHandClock clock;
    clock.now = 5000;
    CFpsCounter counter(clock);
    for (int i = 0; i < 99; ++i) {
        clock.now += 10;
        counter.Update();
        ASSERT_EQ(counter.GetFPS(), 0) << "frame " << i;
    }
    clock.now += 10;  // 1000 ms after construction
    counter.Update();
    EXPECT_EQ(counter.GetFPS(), 100);
}

TEST(CFpsCounter, HoldsTheCountOfTheLastCompletedInterval)
{
    SHandClock clock;
    CFpsCounter counter(clock);
    const struct {
        int frames;
        std::uint32_t step;
        int fps;
    } intervals[] = {{50, 20, 50}, {10, 100, 10}, {1, 2500, 1}};
    for (const auto& interval : intervals) {
        for (int i = 0; i < interval.frames; ++i) {
            clock.now += interval.step;
            counter.Update();
        }
        EXPECT_EQ(counter.GetFPS(), interval.fps);
    }
}

TEST(CFpsCounter, TickCounterWrapDoesNotStallTheCount)
{
    SHandClock clock;
    clock.now = 0xFFFFFF00u;
    CFpsCounter counter(clock);
    for (int i = 0; i < 20; ++i) {
        clock.now += 50;  // wraps past zero on the sixth frame
        counter.Update();
    }
    EXPECT_EQ(counter.GetFPS(), 20);
}

}  // namespace
