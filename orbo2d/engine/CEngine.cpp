// CEngine: builds the engine's services in order and tears them down again.
#include "CEngine.h"

#include <SDL.h>

#include "gfx/CFontHandler.h"
#include "gfx/CGFX.h"
#include "gfx/RealGL.h"
#include "gfx/CImageHandler.h"
#include "sound/CSoundSystem.h"

CEngine* CreateOrbo2d(int width, int height, int bpp, bool fullscreen, const SEngineSeams& seams)
{
    return new CEngine(width, height, bpp, fullscreen, seams);
}

CEngine::CEngine(int width, int height, int bpp, bool fullscreen, const SEngineSeams& seams)
{
    gfx = new CGFX(width, height, bpp, fullscreen, seams.gl ? *seams.gl : RealGL(),
                   seams.clock ? *seams.clock : SdlClock());
    input = seams.input ? new CInputSystem(*seams.input) : new CInputSystem();
    soundSystem = new CSoundSystem();
    fontHandler = new CFontHandler(gfx);
    imageHandler = new CImageHandler(gfx);
    running = true;
    SetCaption("Orbo2d App");
}

CEngine::~CEngine()
{
    // The renderer goes before the font and image handlers; fonts and images never
    // touch their textures when they are destroyed.
    delete input;
    delete soundSystem;
    delete gfx;
    delete fontHandler;
    delete imageHandler;
}

void CEngine::SetCaption(std::string caption)
{
    SDL_WM_SetCaption(caption.c_str(), nullptr);
}

bool CEngine::Running()
{
    gfx->UpdateFPS();
    input->UpdateState();
    return running;
}

void CEngine::Remove()
{
    delete this;
}

void RemoveOrbo2d(CEngine* engine)
{
    if (engine != nullptr) {
        engine->Remove();
    }
}
