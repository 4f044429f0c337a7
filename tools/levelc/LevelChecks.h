// Checks that a level is sound and can be finished: what levelc's check reports.
#pragma once

#include "SLevelData.h"

#include <string>
#include <vector>

// How snowballs move (pixels): kept this far from the border and from obstacle
// edges, turned back inside the start and exit circles and near each other.
struct SSnowballRules
{
    float borderClearance = 40.0f;
    float edgeClearance = 40.0f;
    float keepOutRadius = 80.0f;
    float spacing = 60.0f;
    // How far a snowball must get from where it started in a minute of play.
    float minimumRoam = 200.0f;
};

// The checks play the snowballs for a minute of the game's 100 frames a second.
constexpr int kSnowballCheckFrames = 6000;

// Layout problems: points inside obstacles or outside the field, waypoints that
// snowballs could not use, snowballs that could not travel, levels smaller than the
// 800 x 600 screen, obstacles that are not convex quads, snowballs that stay put
// or roll where they must not when their movement is played for a minute. One
// line per problem; a level too large for the checks gets the one line that says so.
std::vector<std::string> CheckLayout(const SLevelData& level);

// Solvability: every present and then the exit within reach of an elf that starts
// at the start point. One line per unreachable target, or the one line that says the
// level is too large for the checks.
std::vector<std::string> CheckSolvable(const SLevelData& level);

// The waypoint pairs a snowball can roll between: same x or same y, with the
// straight run between them clear of obstacles.
struct SWaypointLink
{
    int from = 0;
    int to = 0;
};
std::vector<SWaypointLink> WaypointLinks(const SLevelData& level);
