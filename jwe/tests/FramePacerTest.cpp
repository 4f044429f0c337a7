// The frame pacer gives back what is left of the budget, and nothing after a slow pass.
#include "jwe/FramePacer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class ManualClock : public TickSource {
public:
    explicit ManualClock(Uint32 start) : now(start) {}
    Uint32 ticks() override { return now; }
    void delay(Uint32 milliseconds) override
    {
        delays.push_back(milliseconds);
        now += milliseconds;
    }
    Uint32 now;
    std::vector<Uint32> delays;
};

TEST(BudgetFramePacer, SleepsTheRestOfEachFrame)
{
    const struct {
        const char* label;
        Uint32 start;
        std::vector<Uint32> passTimes;
        std::vector<Uint32> expectedDelays;
    } cases[] = {
        {"fast passes", 1000, {0, 3, 9}, {10, 7, 1}},
        {"slow passes are not held back", 1000, {10, 25, 4}, {6}},
        {"tick count wrapping", 0xFFFFFFFAu, {2, 8}, {8, 2}},
    };
    for (const auto& c : cases) {
        ManualClock clock(c.start);
        BudgetFramePacer pacer(clock, 10);
        for (Uint32 passTime : c.passTimes) {
            clock.now += passTime;
            pacer.passDone();
        }
        EXPECT_EQ(clock.delays, c.expectedDelays) << c.label;
    }
}

}  // namespace
