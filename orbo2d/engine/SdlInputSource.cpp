// IInputSource over SDL 1.2's event queue, key-state array and mouse state.
#include <SDL.h>

#include "IInputSource.h"

namespace {

class CSdlInputSource final : public IInputSource {
public:
    void PumpOneEvent() override
    {
        // The event itself is never examined: taking it only lets SDL refresh its state.
        SDL_PollEvent(&event);
    }
    const std::uint8_t* GetKeyState() override { return SDL_GetKeyState(nullptr); }
    std::uint32_t GetMouseState(int* x, int* y) override { return SDL_GetMouseState(x, y); }

private:
    SDL_Event event{};
};

}  // namespace

IInputSource& SdlInputSource()
{
    static CSdlInputSource source;
    return source;
}
