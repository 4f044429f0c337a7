// Layout and solvability checks over level data.
#include "LevelChecks.h"

#include "CheckBudget.h"
#include "Geometry.h"
#include "ReachGrid.h"
#include "SnowballRun.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace
{

std::string PointText(SLevelPoint p)
{
    char text[64];
    std::snprintf(text, sizeof text, "(%g, %g)", double(p.x), double(p.y));
    return text;
}

// The index of the first obstacle containing p, or -1.
int ObstacleAt(const SLevelData& level, SLevelPoint p)
{
    for (std::size_t i = 0; i < level.quads.size(); ++i)
        if (InsideQuad(p, level.quads[i]))
            return int(i);
    return -1;
}

float NearestEdge(const SLevelData& level, SLevelPoint p)
{
    float best = INFINITY;
    for (const SLevelQuad& q : level.quads)
        best = std::fmin(best, DistanceToQuadEdges(p, q));
    return best;
}

// A snowball can roll from a to b when every point of the run keeps its clearance.
bool RunIsClear(const SLevelData& level, SLevelPoint a, SLevelPoint b, const SSnowballRules& rules)
{
    const float len = Distance(a, b);
    const int steps = std::max(1, int(len / 4.0f));
    for (int i = 0; i <= steps; ++i)
    {
        const SLevelPoint p = a + (b - a) * (float(i) / float(steps));
        if (ObstacleAt(level, p) >= 0 || NearestEdge(level, p) < rules.edgeClearance)
            return false;
    }
    return true;
}

}  // namespace

std::vector<SWaypointLink> WaypointLinks(const SLevelData& level)
{
    const SSnowballRules rules;
    std::vector<SWaypointLink> links;
    const int n = int(level.waypoints.size());
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
        {
            const SLevelPoint a = level.waypoints[std::size_t(i)];
            const SLevelPoint b = level.waypoints[std::size_t(j)];
            if ((a.x == b.x || a.y == b.y) && RunIsClear(level, a, b, rules))
                links.push_back({i, j});
        }
    return links;
}

std::vector<std::string> CheckLayout(const SLevelData& level)
{
    if (std::string tooLarge = TooLargeForChecks(level); !tooLarge.empty())
        return {tooLarge};
    const SSnowballRules rules;
    std::vector<std::string> problems;
    const auto report = [&](const std::string& line) { problems.push_back(line); };

    if (level.width < 800.0f || level.height < 600.0f)
        report("the level is smaller than the 800 x 600 screen");
    for (std::size_t i = 0; i < level.quads.size(); ++i)
        if (!IsConvexQuad(level.quads[i]))
            report("obstacle " + std::to_string(i) + " is not a convex quad");

    const auto checkSpot = [&](const std::string& what, SLevelPoint p) {
        if (p.x < 0 || p.y < 0 || p.x > level.width || p.y > level.height)
            report(what + " " + PointText(p) + " lies outside the level");
        if (const int q = ObstacleAt(level, p); q >= 0)
            report(what + " " + PointText(p) + " lies inside obstacle " + std::to_string(q));
    };
    checkSpot("the start", level.start);
    checkSpot("the exit", level.end);
    for (std::size_t i = 0; i < level.presents.size(); ++i)
        checkSpot("present " + std::to_string(i), level.presents[i]);

    for (std::size_t i = 0; i < level.waypoints.size(); ++i)
    {
        const SLevelPoint w = level.waypoints[i];
        const std::string name = "waypoint " + std::to_string(i) + " " + PointText(w);
        if (Distance(w, level.start) < rules.keepOutRadius)
            report(name + " lies in the start's keep-out circle");
        if (Distance(w, level.end) < rules.keepOutRadius)
            report(name + " lies in the exit's keep-out circle");
        if (w.x < rules.borderClearance || w.y < rules.borderClearance ||
            w.x > level.width - rules.borderClearance || w.y > level.height - rules.borderClearance)
            report(name + " is closer than 40 to the border");
        if (ObstacleAt(level, w) >= 0 || NearestEdge(level, w) < rules.edgeClearance)
            report(name + " is closer than 40 to an obstacle");
    }

    std::vector<bool> linked(level.waypoints.size(), false);
    for (const SWaypointLink& link : WaypointLinks(level))
        linked[std::size_t(link.from)] = linked[std::size_t(link.to)] = true;
    for (int i = 0; i < level.enemyCount && std::size_t(i) < level.waypoints.size(); ++i)
    {
        if (!linked[std::size_t(i)])
            report("snowball " + std::to_string(i) + " on waypoint " + PointText(level.waypoints[std::size_t(i)]) +
                   " has no other waypoint in a clear straight line, so it cannot travel");
        for (int j = 0; j < i; ++j)
            if (Distance(level.waypoints[std::size_t(i)], level.waypoints[std::size_t(j)]) < rules.spacing)
                report("snowballs " + std::to_string(j) + " and " + std::to_string(i) +
                       " start closer than 60 to each other");
    }
    if (std::size_t(level.enemyCount) > level.waypoints.size())
        report("there are fewer waypoints than snowballs");

    // A minute of play: each snowball must roam, not rock between two spots.
    const std::vector<SSnowballTrack> tracks = RollSnowballs(level, kSnowballCheckFrames, 1);
    for (std::size_t i = 0; i < tracks.size(); ++i)
    {
        const SSnowballTrack& t = tracks[i];
        if (std::max(t.maxX - t.minX, t.maxY - t.minY) < rules.minimumRoam)
            report("snowball " + std::to_string(i) + " stays within " + std::to_string(int(rules.minimumRoam)) +
                   " pixels for a minute of play");
        if (t.leftField)
            report("snowball " + std::to_string(i) + " rolls outside the level or into an obstacle");
    }
    return problems;
}

std::vector<std::string> CheckSolvable(const SLevelData& level)
{
    if (std::string tooLarge = TooLargeForChecks(level); !tooLarge.empty())
        return {tooLarge};
    const SElfRules rules;
    CReachGrid grid(level, rules);
    if (!grid.FloodFromStart())
        return {"the start " + PointText(level.start) + " is too close to an obstacle or the border to stand on"};
    std::vector<std::string> problems;
    for (std::size_t i = 0; i < level.presents.size(); ++i)
        if (!grid.Reaches(level.presents[i], rules.presentReach))
            problems.push_back("present " + std::to_string(i) + " " + PointText(level.presents[i]) +
                               " cannot be reached from the start");
    if (!grid.Reaches(level.end, rules.exitReach))
        problems.push_back("the exit " + PointText(level.end) + " cannot be reached from the start");
    return problems;
}
