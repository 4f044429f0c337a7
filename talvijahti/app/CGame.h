// The application: asks for the display mode, owns the engine and the three screens, runs the frame loop.
#pragma once

#include <cstdint>
#include <string>

class CEndScreenWin;
class CEngine;
class CMenu;
class CWorldManager;
class IClock;
class IInputSource;

// How the start-up question about full-screen mode is answered.
enum class DisplayChoice {
    Ask,         // a dialog asks the player; when none can be shown, a window is used
    Fullscreen,
    Windowed,
};

// Writes the drawn frame with this number (counting from 1) to a PNG, for tests and for looking at the game.
struct SScreenshotRequest {
    std::string path;
    int frame = 0;  // 0: no screenshot
};

class CGame {
public:
    // input: where keys and mouse come from; null for SDL's own.
    explicit CGame(DisplayChoice choice = DisplayChoice::Ask, IInputSource* input = nullptr);
    // Runs on an engine made elsewhere (tests build one with seams); the game owns it from now on.
    CGame(CEngine* engine, IClock& clock);
    ~CGame();
    CGame(const CGame&) = delete;
    CGame& operator=(const CGame&) = delete;

    // Leaves the current state (its screen's Close) and enters n (its screen's Init).
    void SetState(int n);
    // The frame loop; returns when the player quits from the menu.
    void Run();
    // Runs one frame of the loop; false when the menu asked to quit (nothing was drawn then).
    bool RunFrame();
    void Render() {}

    // False when the window could not be opened; Run then returns at once.
    bool Started() const { return menu != nullptr; }
    int GetState() const { return state; }
    CEngine* GetEngine() { return engine; }
    CWorldManager* GetWorld() { return world; }
    void RequestScreenshot(const SScreenshotRequest& request) { screenshot = request; }

private:
    void _CreateScreens();
    void _Pace();

    CEngine* engine = nullptr;
    CMenu* menu = nullptr;
    CWorldManager* world = nullptr;
    CEndScreenWin* endScreen = nullptr;
    int state = 0;
    std::uint32_t lastTick = 0;
    IClock* clock;
    int framesDrawn = 0;
    SScreenshotRequest screenshot;
};
