// The game's clock: SDL's millisecond tick count.
#include <SDL.h>

#include "world/Ticks.h"

namespace wtrq {
namespace {

class SdlTickSource final : public TickSource {
public:
    Ticks now() const override { return SDL_GetTicks(); }
};

}  // namespace

TickSource& sdlTicks()
{
    static SdlTickSource clock;
    return clock;
}

}  // namespace wtrq
