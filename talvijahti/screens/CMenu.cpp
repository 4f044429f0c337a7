// CMenu: the main menu's lifecycle, buttons and drawing.
#include "CMenu.h"

#include "CButton.h"
#include "ImageFile.h"
#include "app/CGame.h"
#include "app/GameState.h"
#include "engine/CEngine.h"
#include "gfx/CImage.h"
#include "gfx/CImageHandler.h"
#include "scene/CFloor.h"

namespace {
constexpr int kAlphaBlended = 2;
}  // namespace

void CMenu::Init()
{
    title = CreateImageOfFile(engine, "data/title.png");
    title->SetBlend(kAlphaBlended);
    CImage* newGameImage = CreateImageOfFile(engine, "data/uusipeli.png");
    CImage* quitImage = CreateImageOfFile(engine, "data/lopeta.png");
    // The hit boxes start 20 pixels below where the pictures are drawn.
    newGameButton = new CButton(engine, newGameImage, SVector{272, 200}, SRect(272, 220, 256, 88));
    quitButton = new CButton(engine, quitImage, SVector{272, 300}, SRect(272, 320, 256, 88));
    floor = new CFloor(engine->GetGFX(), TextureOfFile(engine, "data/lumi.png"));
}

bool CMenu::Update()
{
    newGameButton->Update();
    quitButton->Update();
    if (quitButton->IsPressed()) {
        return false;  // quit wins when both are pressed
    }
    if (newGameButton->IsPressed()) {
        game->SetState(STATE_GAME);
    }
    return true;
}

void CMenu::Render()
{
    scrollOffset.x += -0.8f;
    scrollOffset.y += 1.2f;
    floor->Render(scrollOffset);
    newGameButton->Render();
    quitButton->Render();
    title->Render(144, 10);
}

void CMenu::Close()
{
    delete newGameButton;
    newGameButton = nullptr;
    delete quitButton;
    quitButton = nullptr;
    delete floor;  // releases the background texture from the cache
    floor = nullptr;
    engine->GetImageHandler()->FreeImage(title);
    title = nullptr;
}
