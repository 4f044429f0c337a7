// A clock the test moves by hand, so time-driven behaviour is stepped exactly.
#pragma once

#include "world/Ticks.h"

namespace wtrq::test {

class ManualClock final : public TickSource {
public:
    explicit ManualClock(Ticks start = 0) : current(start) {}
    Ticks now() const override { return current; }
    void advance(Ticks ms) { current += ms; }
    void set(Ticks ms) { current = ms; }

private:
    Ticks current;
};

}  // namespace wtrq::test
