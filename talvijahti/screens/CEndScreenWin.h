// The end screen after a won or lost game, with a continue button back to the menu.
#pragma once

#include "core/SVector.h"

class CButton;
class CEngine;
class CFloor;
class CGame;
class CImage;

class CEndScreenWin {
public:
    CEndScreenWin(CGame* game, CEngine* engine) : engine(engine), game(game) {}

    void Init(bool won);
    // The result is not used.
    bool Update();
    void Render();
    void Close();

private:
    CEngine* engine;
    CGame* game;
    CButton* continueButton = nullptr;
    CFloor* floor = nullptr;
    CImage* text = nullptr;
    SVector scrollOffset{0.0f, 0.0f};
};
