// Frame counter over the engine's millisecond clock.
#include "gfx/CFpsCounter.h"

CFpsCounter::CFpsCounter(IClock& clock) : clock(clock), frames(0), lastTime(clock.GetTicks()), fps(0) {}

void CFpsCounter::Update()
{
    ++frames;
    // Unsigned difference, so the tick counter wrapping after 49 days does not stall the count.
    if (clock.GetTicks() - lastTime >= 1000u) {
        fps = frames;
        frames = 0;
        lastTime = clock.GetTicks();
    }
}

int CFpsCounter::GetFPS() const
{
    return fps;
}
