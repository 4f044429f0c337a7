// The elf the player steers: turns, pushes, glides, collects presents, is hit by snowballs,
// slides along obstacles and finishes a level at its exit.
#pragma once

#include "scene/CSpriteObject.h"

class CLevel;
class CSample;

class CPlayer : public CSpriteObject {
public:
    // Starts at the level's start with 6 lives; loads its three sounds.
    CPlayer(CEngine* engine, CCamera* camera, CLevel* level, CImage* image);
    ~CPlayer() override;
    CPlayer(const CPlayer&) = delete;
    CPlayer& operator=(const CPlayer&) = delete;

    // One frame of play; the steps run in a fixed order (see the .cpp).
    void Update() override;
    // Moves on to level: progress and position reset; lives, velocity and heading are kept.
    void InitForNextLevel(CLevel* level);

    bool Finished() { return finished; }
    int GetLives() { return lives; }
    void SetLives(int lives) { this->lives = lives; }
    int GetGifts() { return gifts; }
    void SetGifts(int gifts) { this->gifts = gifts; }

private:
    void _Steer();
    void _CollectPresent();
    void _CheckSnowballs();
    void _LimitSpeed();
    void _KeepInsideLevel();
    void _SlideAlongObstacles();
    void _PlaySlideSound();

    CSample* slideSound;
    CSample* hitSound;
    CSample* pickupSound;
    CLevel* level;
    bool finished;
    int gifts;
    int lives;
};
