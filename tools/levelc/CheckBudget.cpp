// Estimating the checks' work from the level's sizes and counts, before any of it is done.
#include "CheckBudget.h"

#include "LevelChecks.h"
#include "LevelFile.h"
#include "ReachGrid.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace
{

// Grid nodes along one side of a span in level pixels, clipped to the grid.
double NodesAcross(double from, double to, double side)
{
    const double a = std::max(0.0, std::floor(from / CReachGrid::kStep));
    const double b = std::min(std::floor(side / CReachGrid::kStep), std::ceil(to / CReachGrid::kStep));
    return b >= a ? b - a + 1 : 0;
}

bool InRange(const SLevelPoint& p, const SLevelData& level)
{
    const double m = kLevelCoordinateMargin;
    return std::isfinite(p.x) && std::isfinite(p.y) && p.x >= -m && p.y >= -m && p.x <= level.width + m &&
           p.y <= level.height + m;
}

std::string Number(double v)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.3g", v);
    return text;
}

}  // namespace

SCheckWork EstimateCheckWork(const SLevelData& level)
{
    SCheckWork work;
    const double width = std::max(0.0, double(level.width));
    const double height = std::max(0.0, double(level.height));
    work.gridNodes = (std::floor(width / CReachGrid::kStep) + 1) * (std::floor(height / CReachGrid::kStep) + 1);

    const double margin = SElfRules{}.edgeClearance + CReachGrid::kStep;
    for (const SLevelQuad& quad : level.quads)
    {
        double x0 = INFINITY, y0 = INFINITY, x1 = -INFINITY, y1 = -INFINITY;
        for (const SLevelPoint& p : quad.corners)
        {
            x0 = std::min(x0, double(p.x));
            y0 = std::min(y0, double(p.y));
            x1 = std::max(x1, double(p.x));
            y1 = std::max(y1, double(p.y));
        }
        work.gridObstacleTests +=
            NodesAcross(x0 - margin, x1 + margin, width) * NodesAcross(y0 - margin, y1 + margin, height);
    }

    // Every pair of waypoints on one line is sampled every 4 pixels against every obstacle.
    const double obstacles = double(level.quads.size()) + 1;
    for (std::size_t i = 0; i < level.waypoints.size(); ++i)
        for (std::size_t j = i + 1; j < level.waypoints.size(); ++j)
        {
            const SLevelPoint a = level.waypoints[i];
            const SLevelPoint b = level.waypoints[j];
            if (a.x == b.x || a.y == b.y)
                work.runObstacleTests += (std::hypot(double(b.x - a.x), double(b.y - a.y)) / 4.0 + 2) * obstacles;
        }

    const double balls = double(std::min<std::size_t>(std::size_t(std::max(0, level.enemyCount)), level.waypoints.size()));
    work.rollSteps = double(kSnowballCheckFrames) * balls *
                     (double(level.waypoints.size()) + balls + 5.0 * double(level.quads.size()) + 1);
    return work;
}

std::string TooLargeForChecks(const SLevelData& level, const SCheckLimits& limits)
{
    // The checks work in ints and floats on the level's coordinates; the game's own limits keep
    // those in range, and a level beyond them is not one the game would play.
    bool inRange = std::isfinite(level.width) && std::isfinite(level.height) && level.width > 0 &&
                   level.height > 0 && level.width <= kMaxLevelSide && level.height <= kMaxLevelSide &&
                   InRange(level.start, level) && InRange(level.end, level);
    for (const SLevelQuad& quad : level.quads)
        for (const SLevelPoint& p : quad.corners)
            inRange = inRange && InRange(p, level);
    for (const SLevelPoint& p : level.presents)
        inRange = inRange && InRange(p, level);
    for (const SLevelPoint& p : level.waypoints)
        inRange = inRange && InRange(p, level);
    if (!inRange)
        return "the level is too large for levelc's checks: its size or points lie outside what the game accepts";

    const SCheckWork work = EstimateCheckWork(level);
    struct SMeasure
    {
        double value;
        double limit;
        const char* what;
    };
    const SMeasure measures[] = {
        {work.gridNodes, limits.gridNodes, "reach grid nodes"},
        {work.gridObstacleTests, limits.gridObstacleTests, "obstacle tests for the reach grid"},
        {work.runObstacleTests, limits.runObstacleTests, "obstacle tests along snowball runs"},
        {work.rollSteps, limits.rollSteps, "steps of snowball play"},
    };
    for (const SMeasure& m : measures)
        if (m.value > m.limit)
            return "the level is too large for levelc's checks: " + Number(m.value) + " " + m.what +
                   ", more than the limit of " + Number(m.limit);
    return {};
}
