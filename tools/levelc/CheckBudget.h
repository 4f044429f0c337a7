// How much work levelc's checks would take on a level, and the limits that keep every check
// finite in time and memory whatever the level file holds.
#pragma once

#include "SLevelData.h"

#include <string>

// Work counted in the checks' inner steps: grid nodes held in memory, node-against-obstacle
// tests of the reach grid, point-against-obstacle tests along snowball runs, and movement
// steps of the minute of snowball play.
struct SCheckWork
{
    double gridNodes = 0;
    double gridObstacleTests = 0;
    double runObstacleTests = 0;
    double rollSteps = 0;
};

struct SCheckLimits
{
    double gridNodes = 16.0e6;           // a 16000 x 16000 level
    double gridObstacleTests = 200.0e6;
    double runObstacleTests = 200.0e6;
    double rollSteps = 1.0e9;
};

// The work of the checks on this level; bounded arithmetic whatever the numbers in it.
SCheckWork EstimateCheckWork(const SLevelData& level);

// Empty when the checks can run on the level within the limits; otherwise one line saying
// that the level is too large for them, and which limit it passes.
std::string TooLargeForChecks(const SLevelData& level, const SCheckLimits& limits = {});
