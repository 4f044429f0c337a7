// Frame pacing by the tick count.
#include "jwe/FramePacer.h"

namespace {

class SdlTickSource : public TickSource {
public:
    Uint32 ticks() override { return SDL_GetTicks(); }
    void delay(Uint32 milliseconds) override { SDL_Delay(milliseconds); }
};

}  // namespace

TickSource& sdlTicks()
{
    static SdlTickSource source;
    return source;
}

BudgetFramePacer::BudgetFramePacer(TickSource& source, Uint32 budgetMilliseconds)
    : source(source), budget(budgetMilliseconds), lastPassEnd(source.ticks())
{
}

void BudgetFramePacer::passDone()
{
    // Unsigned differences stay right when the tick count wraps around.
    const Uint32 spent = source.ticks() - lastPassEnd;
    if (spent < budget) {
        source.delay(budget - spent);
    }
    lastPassEnd = source.ticks();
}

FramePacer& defaultFramePacer()
{
    static BudgetFramePacer pacer;
    return pacer;
}
