// The millisecond clock the engine paces and counts frames with: SDL's ticks in the game, a fake in tests.
#pragma once

#include <cstdint>

class IClock {
public:
    virtual ~IClock() = default;
    // Milliseconds since start-up; compared in unsigned 32-bit arithmetic, so wrap-around is harmless.
    virtual std::uint32_t GetTicks() = 0;
    virtual void Delay(std::uint32_t milliseconds) = 0;
};

// The process-wide clock backed by SDL_GetTicks and SDL_Delay.
IClock& SdlClock();
