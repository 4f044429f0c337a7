// The main menu: title, new-game and quit buttons over drifting snow.
#pragma once

#include "core/SVector.h"

class CButton;
class CEngine;
class CFloor;
class CGame;
class CImage;

class CMenu {
public:
    // Only stores the pointers; Init builds what the screen shows.
    CMenu(CGame* game, CEngine* engine) : engine(engine), game(game) {}

    void Init();
    // False asks the application to quit.
    bool Update();
    void Render();
    void Close();

private:
    CEngine* engine;
    CGame* game;
    CButton* newGameButton = nullptr;
    CButton* quitButton = nullptr;
    CFloor* floor = nullptr;
    CImage* title = nullptr;
    // Lives as long as the menu, so the drift continues where it stopped.
    SVector scrollOffset{0.0f, 0.0f};
};
