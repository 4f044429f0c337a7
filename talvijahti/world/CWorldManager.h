// The in-game screen.
#pragma once

class CEngine;
class CGame;

class CWorldManager {
public:
    CWorldManager(CGame* game, CEngine* engine) : game(game), engine(engine) {}

    void Init();
    void Close();
    void Update();
    void Render();

private:
    CGame* game;
    CEngine* engine;
};
