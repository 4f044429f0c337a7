// CWorldManager: the in-game screen. Play itself is not here yet: the screen is a black
// frame that Escape leaves for the menu.
#include "CWorldManager.h"

#include "app/CGame.h"
#include "app/GameState.h"
#include "engine/CEngine.h"

namespace {
constexpr unsigned char kEscape = 27;
}  // namespace

void CWorldManager::Init() {}

void CWorldManager::Close() {}

void CWorldManager::Update()
{
    if (engine->GetInput()->GetKey(kEscape)) {
        game->SetState(STATE_MENU);
    }
}

void CWorldManager::Render() {}
