// A clock for tests: time moves only when the test (or a Delay) moves it, and every Delay is recorded.
#pragma once

#include <cstdint>
#include <vector>

#include "core/IClock.h"

class CManualClock final : public IClock {
public:
    std::uint32_t GetTicks() override { return now; }
    void Delay(std::uint32_t milliseconds) override
    {
        delays.push_back(milliseconds);
        now += milliseconds;
    }

    void Advance(std::uint32_t milliseconds) { now += milliseconds; }
    void Set(std::uint32_t ticks) { now = ticks; }

    std::vector<std::uint32_t> delays;

private:
    std::uint32_t now = 0;
};
