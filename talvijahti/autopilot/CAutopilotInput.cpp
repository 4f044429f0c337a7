// CAutopilotInput: each frame's key snapshot from the input underneath, with the pilot's keys.
#include "CAutopilotInput.h"

#include <algorithm>

#include "app/CGame.h"
#include "app/GameState.h"
#include "world/CWorldManager.h"

namespace {

// SDL key codes of the four steering keys.
constexpr unsigned char kKeys[4] = {'h', 'k', 'u', 'j'};

}  // namespace

CAutopilotInput::CAutopilotInput(IInputSource& underneath) : underneath(underneath) {}

void CAutopilotInput::PumpOneEvent()
{
    underneath.PumpOneEvent();
    const std::uint8_t* below = underneath.GetKeyState();
    if (below != nullptr) {
        std::copy(below, below + keys.size(), keys.begin());
    } else {
        keys.fill(0);
    }
    // The pilot looks at the game as the last frame left it, as a player looks at the screen.
    held = 0;
    if (game != nullptr && game->GetState() == STATE_GAME) {
        CWorldManager* world = game->GetWorld();
        if (world->GetPlayer() != nullptr && world->GetLevel() != nullptr) {
            held = pilot.Choose(*world->GetPlayer(), *world->GetLevel());
        }
    }
    for (int i = 0; i < 4; ++i) {
        keys[kKeys[i]] = (held & (1u << i)) != 0 ? 1 : 0;
    }
}
