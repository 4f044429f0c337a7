// Stands in for the game screen until the real one arrives: a plain screen that Escape leaves.
#pragma once

#include "jwe/FramePacer.h"

class GameScreen {
public:
    explicit GameScreen(FramePacer& pacer = defaultFramePacer());
    void loadResources();
    // True: back to the main menu. Escape and a request to close the window both return true.
    bool run();

private:
    FramePacer& pacer;
};
