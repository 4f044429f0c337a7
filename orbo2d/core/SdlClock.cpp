// IClock over SDL's millisecond ticks.
#include <SDL.h>

#include "IClock.h"

namespace {

class CSdlClock final : public IClock {
public:
    std::uint32_t GetTicks() override { return SDL_GetTicks(); }
    void Delay(std::uint32_t milliseconds) override { SDL_Delay(milliseconds); }
};

}  // namespace

IClock& SdlClock()
{
    static CSdlClock clock;
    return clock;
}
