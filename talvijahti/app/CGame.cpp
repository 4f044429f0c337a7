// CGame: start-up question, screens and state switches, the paced frame loop.
#include "CGame.h"

#include <SDL.h>

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "GameState.h"
#include "core/CFile.h"
#include "core/IClock.h"
#include "core/SColor.h"
#include "engine/CEngine.h"
#include "gfx/CGFX.h"
#include "display/VisibleDisplay.h"
#include "question/AskYesNo.h"
#include "screens/CEndScreenWin.h"
#include "screens/CMenu.h"
#include "world/CWorldManager.h"

namespace {

// A frame starts its update at least this long after the previous one: at most 100 frames a second.
constexpr std::uint32_t kFrameMilliseconds = 10;

bool WantsFullscreen(DisplayChoice choice)
{
    switch (choice) {
    case DisplayChoice::Fullscreen: return true;
    case DisplayChoice::Windowed:   return false;
    case DisplayChoice::Ask:        break;
    }
    // When no dialog can be shown at all the game starts in a window.
    return AskYesNo("Talvijahti", "Käytetäänkö kokoruututilaa?") == Answer::Yes;
}

// A video mode on a driver that shows something to somebody.
bool HasVisibleWindow()
{
    return SDL_GetVideoSurface() != nullptr && VideoReachesAScreen();
}

}  // namespace

CGame::CGame(DisplayChoice choice, IInputSource* input) : clock(&SdlClock())
{
    const bool fullscreen = WantsFullscreen(choice);
    SEngineSeams seams;
    seams.input = input;
    engine = CreateOrbo2d(800, 600, 32, fullscreen, seams);
    // Without a window every picture load fails and the screens would draw with null
    // textures; on an off-screen display nobody would see the game. Report either and
    // build no screens at all.
    if (!HasVisibleWindow()) {
        std::fprintf(stderr, "talvijahti: cannot open the 800 x 600 OpenGL window on a display: %s\n",
                     SDL_GetError());
        return;
    }
    if (!fullscreen) {
        engine->SetCaption("Talvijahti");
    }
    _CreateScreens();
}

CGame::CGame(CEngine* engine, IClock& clock) : engine(engine), clock(&clock)
{
    _CreateScreens();
}

void CGame::_CreateScreens()
{
    lastTick = 0;
    menu = new CMenu(this, engine);
    world = new CWorldManager(this, engine);
    endScreen = new CEndScreenWin(this, engine);
    state = STATE_NONE;
    SetState(STATE_MENU);
}

CGame::~CGame()
{
    if (!Started()) {
        engine->Remove();
        return;
    }
    SetState(STATE_NONE);
    delete world;
    delete menu;
    delete endScreen;
    engine->Remove();
}

void CGame::SetState(int n)
{
    if (state == STATE_MENU) {
        menu->Close();
    } else if (state == STATE_GAME) {
        world->Close();
    } else if (state > STATE_GAME) {
        endScreen->Close();
    }

    switch (n) {
    case STATE_MENU: menu->Init(); break;
    case STATE_GAME: world->Init(); break;
    case STATE_WON:  endScreen->Init(true); break;
    case STATE_LOST: endScreen->Init(false); break;
    default:         break;
    }
    state = n;
}

void CGame::_Pace()
{
    // Unsigned arithmetic: a tick count that wrapped still gives the right difference.
    const std::uint32_t elapsed = clock->GetTicks() - lastTick;
    if (elapsed < kFrameMilliseconds) {
        clock->Delay(kFrameMilliseconds - elapsed);
    }
    lastTick = clock->GetTicks();
}

bool CGame::RunFrame()
{
    _Pace();

    if (state == STATE_GAME) {
        world->Update();
    } else if (state == STATE_MENU) {
        if (!menu->Update()) {
            return false;
        }
    } else if (state > STATE_GAME) {
        endScreen->Update();
    }

    CGFX* gfx = engine->GetGFX();
    gfx->BeginScene(SColor(0.0f, 0.0f, 0.0f, 1.0f), true);
    // The state may have changed in this frame's update: the new screen is drawn at once.
    if (state == STATE_GAME) {
        world->Render();
    } else if (state == STATE_MENU) {
        menu->Render();
    } else if (state > STATE_GAME) {
        endScreen->Render();
    }
    gfx->EndScene();

    ++framesDrawn;
    if (screenshot.frame == framesDrawn && !gfx->SaveScreenshot(screenshot.path)) {
        std::fprintf(stderr, "talvijahti: could not write the screenshot \"%s\"\n", screenshot.path.c_str());
    }
    return true;
}

void CGame::Run()
{
    if (!Started()) {
        return;
    }
    while (engine->Running()) {
        if (!RunFrame()) {
            break;
        }
    }
    // Nothing writes to the log during play; leave it empty for the next run. Only a log
    // that is there is emptied: the game runs inside its installed data folder, where a
    // new file would be left behind by the package's removal.
    std::error_code error;
    if (std::filesystem::exists("stdout.txt", error)) {
        CFile log;
        log.Open(FILE_WRITE, "stdout.txt");
        log.Close();
    }
}
