// Ends each pass of a screen loop: the pass stays as it is (drain events, draw, flip), and the
// processor is given back for whatever is left of the frame budget instead of spinning.
#pragma once

#include <SDL.h>

// Where a pacer gets the time from and how it waits; tests give a manual clock.
class TickSource {
public:
    virtual ~TickSource() = default;
    virtual Uint32 ticks() = 0;
    virtual void delay(Uint32 milliseconds) = 0;
};

// SDL_GetTicks and SDL_Delay.
TickSource& sdlTicks();

class FramePacer {
public:
    virtual ~FramePacer() = default;
    // Called once at the end of every pass of a loop.
    virtual void passDone() = 0;
};

class BudgetFramePacer : public FramePacer {
public:
    explicit BudgetFramePacer(TickSource& source = sdlTicks(), Uint32 budgetMilliseconds = 10);
    // Waits until budgetMilliseconds have passed since the previous pass ended; a pass that
    // took the whole budget or more is not held back at all.
    void passDone() override;

private:
    TickSource& source;
    Uint32 budget;
    Uint32 lastPassEnd;
};

// The pacer the screens use unless a test hands them its own.
FramePacer& defaultFramePacer();
