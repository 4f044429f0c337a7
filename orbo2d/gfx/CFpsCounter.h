// Counts the frames shown in each interval of at least one second.
#pragma once

#include <cstdint>

#include "core/IClock.h"

class CFpsCounter {
public:
    explicit CFpsCounter(IClock& clock = SdlClock());

    // Counts one frame; closes the interval once 1000 ms have passed since it began.
    void Update();
    // 0 until the first interval has completed.
    int GetFPS() const;

private:
    IClock& clock;
    int frames;
    std::uint32_t lastTime;
    int fps;
};
