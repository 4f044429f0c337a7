// An autopilot for the elf: picks the keys a player would hold (H and K to turn, U and J to
// push) from what the game shows, to collect every present, reach the exit and keep away
// from the snowballs.
#pragma once

#include <memory>

#include "CDistanceField.h"
#include "CSnowballForecast.h"
#include "core/SVector.h"

class CLevel;
class CPilotGrid;
class CPlayer;

class CAutopilot {
public:
    enum EKey : unsigned {
        kTurnLeft = 1,   // H
        kTurnRight = 2,  // K
        kPush = 4,       // U
        kPushBack = 8,   // J
    };

    CAutopilot();
    ~CAutopilot();
    CAutopilot(const CAutopilot&) = delete;
    CAutopilot& operator=(const CAutopilot&) = delete;

    // The keys to hold in the next frame, a mask of EKey.
    unsigned Choose(CPlayer& player, CLevel& level);

private:
    void _PickGoal(CPlayer& player, CLevel& level);
    unsigned _Steer(CPlayer& player, float heading, float speed, bool wait);

    // What the grid was made from: a level deleted and the next one made may share an
    // address, so the level is told by its contents.
    struct SLevelShape {
        float width = 0.0f;
        float height = 0.0f;
        float startX = 0.0f;
        float startY = 0.0f;
        float endX = 0.0f;
        float endY = 0.0f;
        int quads = -1;
        float corners = 0.0f;  // sum of every corner coordinate
        bool operator==(const SLevelShape&) const = default;
    };
    static SLevelShape _ShapeOf(CLevel& level);

    SLevelShape mapped;
    std::unique_ptr<CPilotGrid> grid;
    CDistanceField field;  // to the goal
    CSnowballForecast forecast;
    SVector goal{0.0f, 0.0f};
    float goalReach = 0.0f;
    std::size_t presentsLeft = 0;
    int lives = -1;
};
