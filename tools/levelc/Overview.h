// Draws a level overview for review: obstacles, reachable area, presents, start,
// exit, keep-out circles and the snowballs' waypoint graph.
#pragma once

#include "SLevelData.h"

#include <cstdint>
#include <vector>

struct SOverview
{
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;  // width * height * 3 bytes, rows from the top
};

// The picture is at most `maxSide` pixels on its longer side.
SOverview RenderOverview(const SLevelData& level, int maxSide);
