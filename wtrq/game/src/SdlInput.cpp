// The program's input: SDL's event queue through the framework's poll, and SDL's mouse state.
#include "game/GameSeams.h"

#include "jwe/Events.h"

namespace wtrq {

namespace {

class SdlInput final : public InputSource {
public:
    int poll(SDL_Event* event) override { return pollEvent(event); }
    MousePosition mouse() const override
    {
        MousePosition position;
        SDL_GetMouseState(&position.x, &position.y);
        return position;
    }
};

}  // namespace

InputSource& sdlInput()
{
    static SdlInput input;
    return input;
}

}  // namespace wtrq
