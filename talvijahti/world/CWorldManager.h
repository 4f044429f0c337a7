// The in-game screen: runs the ten levels, follows the elf with the camera, draws the world and its texts.
#pragma once

#include <string>

#include "core/SVector.h"

class CCamera;
class CEngine;
class CFloor;
class CFont;
class CGame;
class CImage;
class CLevel;
class CPlayer;
class CSample;

class CWorldManager {
public:
    CWorldManager(CGame* game, CEngine* engine);

    // Loads what play needs and starts level 1 with a new player.
    void Init();
    // Moves on to the next level; after the tenth, switches to the won screen instead.
    void StartLevel();
    void Update();
    void Render();
    // Frees everything Init and StartLevel made.
    void Close();

    // What is being played, for an autopilot watching the game: null outside play.
    CPlayer* GetPlayer() { return player; }
    CLevel* GetLevel() { return level; }
    // 1 to 10 during play.
    int GetLevelNumber() const { return levelNumber; }

private:
    CGame* game;
    CEngine* engine;
    CSample* windSound = nullptr;
    CImage** images = nullptr;  // 0: the elf, 1: the present, 2: the snowball
    CPlayer* player = nullptr;
    CLevel* level = nullptr;
    CFloor* ground = nullptr;
    CFloor* snowfall = nullptr;
    CCamera* camera = nullptr;
    CFont* font = nullptr;
    SVector snowOffset{0.0f, 0.0f};
    int levelNumber = 0;
    std::string message;  // drawn as a format: holds no '%'
    // Set when a level file failed its checks: the screen shows nothing and returns to the menu.
    bool levelFailed = false;
};
