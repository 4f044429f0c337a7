// Rolls a level's snowballs for a while by the game's movement rules, to see that
// each one really travels instead of rocking in place.
#pragma once

#include "SLevelData.h"

#include <cstdint>
#include <vector>

struct SSnowballTrack
{
    float minX = 0, minY = 0, maxX = 0, maxY = 0;  // the area the snowball covered
    bool leftField = false;                        // ever outside the level or inside an obstacle
};

// Runs `frames` frames (the game runs 100 per second) with a seeded random source.
std::vector<SSnowballTrack> RollSnowballs(const SLevelData& level, int frames, uint32_t seed);
