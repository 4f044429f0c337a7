// CEndScreenWin: the outcome picture and the continue button.
#include "CEndScreenWin.h"

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

void CEndScreenWin::Init(bool won)
{
    text = CreateImageOfFile(engine, won ? "data/teksti1.png" : "data/teksti2.png");
    text->SetBlend(kAlphaBlended);
    continueButton = new CButton(engine, CreateImageOfFile(engine, "data/jatka.png"), SVector{272, 400},
                                 SRect(272, 400, 256, 128));
    floor = new CFloor(engine->GetGFX(), TextureOfFile(engine, "data/lumi.png"));
}

bool CEndScreenWin::Update()
{
    continueButton->Update();
    if (continueButton->IsPressed()) {
        game->SetState(STATE_MENU);
    }
    return true;
}

void CEndScreenWin::Render()
{
    scrollOffset.x += -0.8f;
    scrollOffset.y += 1.2f;
    floor->Render(scrollOffset);
    continueButton->Render();
    text->Render(144, 80);
}

void CEndScreenWin::Close()
{
    delete continueButton;
    continueButton = nullptr;
    delete floor;
    floor = nullptr;
    engine->GetImageHandler()->FreeImage(text);
    text = nullptr;
}
