// CWorldManager: the in-game screen's lifecycle, level sequence, frame update and drawing.
#include "CWorldManager.h"

#include <cstdio>

#include "actors/CPlayer.h"
#include "app/CGame.h"
#include "app/GameState.h"
#include "engine/CEngine.h"
#include "gfx/CFontHandler.h"
#include "gfx/CGFX.h"
#include "gfx/CImageHandler.h"
#include "level/CLevel.h"
#include "scene/CCamera.h"
#include "scene/CFloor.h"
#include "sound/CSoundSystem.h"

namespace {

constexpr unsigned char kEscape = 27;
constexpr int kAlphaBlended = 2;
constexpr int kLevels = 10;
constexpr int kWindVolume = 80;
// The player is kept in the middle of the 800 x 600 view.
constexpr float kHalfViewWidth = 400.0f;
constexpr float kHalfViewHeight = 300.0f;

}  // namespace

CWorldManager::CWorldManager(CGame* game, CEngine* engine) : game(game), engine(engine) {}

void CWorldManager::Init()
{
    CGFX* gfx = engine->GetGFX();
    font = engine->GetFontHandler()->CreateFont(gfx->GetTexture("data/font.png"));

    static const char* const kPictures[3] = {"data/tonttu.png", "data/lahja.png", "data/pallo.png"};
    static const float kHotSpots[3] = {16.0f, 16.0f, 32.0f};
    images = new CImage*[3];
    for (int i = 0; i < 3; ++i) {
        images[i] = engine->GetImageHandler()->CreateImage(gfx->GetTexture(kPictures[i]));
        images[i]->SetHotSpot(kHotSpots[i], kHotSpots[i]);
        images[i]->SetBlend(kAlphaBlended);
    }

    camera = new CCamera(engine);
    windSound = engine->GetSoundSystem()->LoadSample("sfx/wind.wav");
    windSound->SetVolume(kWindVolume);

    snowOffset = SVector{1.0f, 1.0f};
    levelNumber = 0;
    levelFailed = false;
    StartLevel();

    // StartLevel switches to the won screen only after the tenth level, so a level exists here
    // (an empty one when its file was refused; Update then returns to the menu at once).
    player = new CPlayer(engine, camera, level, images[0]);
    player->InitForNextLevel(level);

    ground = new CFloor(gfx, gfx->GetTexture("data/lumi.png"));
    snowfall = new CFloor(gfx, gfx->GetTexture("data/lumisade.png"));
}

void CWorldManager::StartLevel()
{
    ++levelNumber;
    if (levelNumber == kLevels + 1) {
        game->SetState(STATE_WON);
        return;
    }

    char path[64];
    std::snprintf(path, sizeof path, "levels/level%i.lev", levelNumber);

    // The message is drawn as a format: these texts hold no '%'.
    if (levelNumber == 1) {
        message = "Kerww lahjat ja varo lumipalloja!";
    } else if (levelNumber == kLevels) {
        message = "Loppu lwhestyy!";
    } else {
        message.clear();
    }

    delete level;
    level = new CLevel(engine, camera, path, images[1], images[2]);
    if (!level->IsLoaded()) {
        // A broken level is not played: the error names the file, and Update returns to the menu.
        std::fprintf(stderr, "talvijahti: %s\n", level->GetLoadError().c_str());
        levelFailed = true;
    }
    camera->SetBounds(SRect(0.0f, 0.0f, level->GetWidth(), level->GetHeight()));
}

void CWorldManager::Update()
{
    if (levelFailed) {
        game->SetState(STATE_MENU);
        return;
    }
    if (!windSound->IsPlaying()) {
        windSound->Play();
    }
    camera->position = SVector{player->position.x - kHalfViewWidth, player->position.y - kHalfViewHeight};
    level->Update();
    player->Update();
    camera->Update();

    if (player->Finished()) {
        StartLevel();
        // After the tenth level StartLevel has switched to the won screen, and Close has freed
        // the player and the level: nothing of them may be touched any more.
        if (game->GetState() == STATE_GAME) {
            if (levelFailed) {
                game->SetState(STATE_MENU);
                return;
            }
            player->InitForNextLevel(level);
        }
    } else if (player->GetLives() == 0) {
        game->SetState(STATE_LOST);
    }

    // Also after a switch to an end screen: Escape held in that frame leads on to the menu.
    if (engine->GetInput()->GetKey(kEscape)) {
        game->SetState(STATE_MENU);
    }
}

void CWorldManager::Render()
{
    if (levelFailed) {
        return;
    }
    snowOffset.x += 3.0f;
    snowOffset.y += -2.0f;
    ground->Render(camera->position);
    level->Render();
    player->Render();
    snowfall->Render(snowOffset);
    font->RenderText(5, 5, "LAHJAT: %i/%i", player->GetGifts(), level->GetPresentCount());
    font->RenderText(5, 20, "ELWMWT: %i", player->GetLives());
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-security"
    font->RenderText(5, 580, message.c_str());
#pragma GCC diagnostic pop
}

void CWorldManager::Close()
{
    engine->GetFontHandler()->FreeFont(font);
    font = nullptr;
    engine->GetSoundSystem()->FreeSample(windSound);
    windSound = nullptr;
    if (images != nullptr) {
        for (int i = 0; i < 3; ++i) {
            engine->GetImageHandler()->FreeImage(images[i]);
        }
        delete[] images;
        images = nullptr;
    }
    delete snowfall;
    snowfall = nullptr;
    delete ground;
    ground = nullptr;
    delete camera;
    camera = nullptr;
    delete level;
    level = nullptr;
    delete player;
    player = nullptr;
}
