// The program-wide resources of wtrq (display, music, interface font) and its screen sequence.
#pragma once

#include "fsound.h"
#include "jwe/FramePacer.h"

class Application {
public:
    // Start-up. A failure is reported (on standard error) and leaves the application unstarted.
    Application(int argc, char** argv, FramePacer& pacer = defaultFramePacer());
    // Shut-down: music, sound, font, scratch files, SDL_ttf and SDL, in that order.
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The intro, then the main menu until Quit. The exit status: 0 after a normal end, 1 after
    // any reported failure, start-up's included.
    int run();
    void showHelp();

private:
    void startUp(int argc, char** argv);
    void runScreens();

    FramePacer& pacer;
    FMUSIC_MODULE* song = nullptr;
    bool fullscreen = false;
    bool depth32 = false;
    int gameSeconds = 1440;
    bool started = false;
};
