// The contents of one level file as plain data, in the order the file stores them.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

// A point in level coordinates: pixels, origin at the level's top-left, y downward.
struct SLevelPoint
{
    float x = 0.0f;
    float y = 0.0f;
};

// One obstacle: its corners in file order, top-left, bottom-left, bottom-right, top-right.
struct SLevelQuad
{
    std::array<SLevelPoint, 4> corners{};
};

// Everything a level file holds. The lists keep file order; snowball i starts on
// waypoints[i], which is why a valid level has at least enemyCount waypoints.
struct SLevelData
{
    float width = 0.0f;
    float height = 0.0f;
    SLevelPoint start;
    SLevelPoint end;
    std::vector<SLevelQuad> quads;
    std::vector<SLevelPoint> presents;
    std::vector<SLevelPoint> waypoints;
    int32_t enemyCount = 0;
};
