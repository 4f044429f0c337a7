// The single object through which the game reaches the engine's services.
#pragma once

#include <string>

#include "CInputSystem.h"

class CGFX;
class CSoundSystem;
class CFontHandler;
class CImageHandler;
class GLApi;
class IClock;

// Test seams an engine can be built with; a default-constructed value means the real
// OpenGL, SDL's clock and SDL's input.
struct SEngineSeams {
    GLApi* gl = nullptr;
    IClock* clock = nullptr;
    IInputSource* input = nullptr;
};

class CEngine {
public:
    CEngine(int width, int height, int bpp, bool fullscreen, const SEngineSeams& seams = SEngineSeams());
    ~CEngine();

    CGFX* GetGFX() { return gfx; }
    CInputSystem* GetInput() { return input; }
    CSoundSystem* GetSoundSystem() { return soundSystem; }
    CFontHandler* GetFontHandler() { return fontHandler; }
    CImageHandler* GetImageHandler() { return imageHandler; }

    void SetCaption(std::string caption);
    // Once per frame: counts the frame, then takes a fresh input snapshot. False after Close.
    bool Running();
    void Close() { running = false; }
    // Destroys and frees this engine. A member call needs a live object, so code that may
    // hold a null engine calls RemoveOrbo2d instead.
    void Remove();

private:
    CGFX* gfx = nullptr;
    CInputSystem* input = nullptr;
    CSoundSystem* soundSystem = nullptr;
    CFontHandler* fontHandler = nullptr;
    CImageHandler* imageHandler = nullptr;
    bool running = false;
};

CEngine* CreateOrbo2d(int width, int height, int bpp, bool fullscreen,
                      const SEngineSeams& seams = SEngineSeams());

// Removes an engine; does nothing for a null one.
void RemoveOrbo2d(CEngine* engine);
