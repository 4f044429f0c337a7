// Rasterised free space and a flood fill from the start point.
#include "ReachGrid.h"

#include "Geometry.h"

#include <algorithm>
#include <cmath>
#include <deque>

CReachGrid::CReachGrid(const SLevelData& level, const SElfRules& rules) : level(level), rules(rules)
{
    columns = int(std::floor(level.width / kStep)) + 1;
    rows = int(std::floor(level.height / kStep)) + 1;
    free.assign(std::size_t(columns) * std::size_t(rows), 0);
    reached.assign(free.size(), 0);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
        {
            const SLevelPoint p = NodePoint(c, r);
            free[Index(c, r)] = p.x >= rules.borderClearance && p.x <= level.width - rules.borderClearance &&
                                p.y >= rules.borderClearance && p.y <= level.height - rules.borderClearance;
        }
    // Each obstacle only blocks nodes near its own bounding box, which keeps large
    // levels quick to test.
    for (const SLevelQuad& quad : level.quads)
    {
        float x0 = INFINITY, y0 = INFINITY, x1 = -INFINITY, y1 = -INFINITY;
        for (const SLevelPoint& p : quad.corners)
        {
            x0 = std::min(x0, p.x);
            y0 = std::min(y0, p.y);
            x1 = std::max(x1, p.x);
            y1 = std::max(y1, p.y);
        }
        const float m = rules.edgeClearance + kStep;
        const int c0 = std::max(0, int(std::floor((x0 - m) / kStep)));
        const int c1 = std::min(columns - 1, int(std::ceil((x1 + m) / kStep)));
        const int r0 = std::max(0, int(std::floor((y0 - m) / kStep)));
        const int r1 = std::min(rows - 1, int(std::ceil((y1 + m) / kStep)));
        for (int r = r0; r <= r1; ++r)
            for (int c = c0; c <= c1; ++c)
            {
                const SLevelPoint p = NodePoint(c, r);
                if (InsideQuad(p, quad) || DistanceToQuadEdges(p, quad) < rules.edgeClearance)
                    free[Index(c, r)] = 0;
            }
    }
}

bool CReachGrid::Free(SLevelPoint p) const
{
    if (p.x < rules.borderClearance || p.x > level.width - rules.borderClearance || p.y < rules.borderClearance ||
        p.y > level.height - rules.borderClearance)
        return false;
    for (const SLevelQuad& quad : level.quads)
        if (InsideQuad(p, quad) || DistanceToQuadEdges(p, quad) < rules.edgeClearance)
            return false;
    return true;
}

bool CReachGrid::FloodFromStart()
{
    std::fill(reached.begin(), reached.end(), 0);
    if (!Free(level.start))
        return false;
    std::deque<std::pair<int, int>> queue;
    // Seed with the free nodes around the start: the elf stands there and can step
    // onto any of them in a straight line that short.
    const int sc = int(std::floor(level.start.x / kStep));
    const int sr = int(std::floor(level.start.y / kStep));
    for (int r = sr - 1; r <= sr + 2; ++r)
        for (int c = sc - 1; c <= sc + 2; ++c)
            if (c >= 0 && r >= 0 && c < columns && r < rows && free[Index(c, r)] &&
                Distance(NodePoint(c, r), level.start) <= 1.5f * kStep)
            {
                reached[Index(c, r)] = 1;
                queue.emplace_back(c, r);
            }
    while (!queue.empty())
    {
        const auto [c, r] = queue.front();
        queue.pop_front();
        const int next[4][2] = {{c + 1, r}, {c - 1, r}, {c, r + 1}, {c, r - 1}};
        for (const auto& [nc, nr] : next)
        {
            if (nc < 0 || nr < 0 || nc >= columns || nr >= rows)
                continue;
            const std::size_t i = Index(nc, nr);
            if (free[i] && !reached[i])
            {
                reached[i] = 1;
                queue.emplace_back(nc, nr);
            }
        }
    }
    return true;
}

bool CReachGrid::Reaches(SLevelPoint p, float reach) const
{
    const float within = reach - kStep;
    const int c0 = std::max(0, int(std::floor((p.x - within) / kStep)));
    const int c1 = std::min(columns - 1, int(std::ceil((p.x + within) / kStep)));
    const int r0 = std::max(0, int(std::floor((p.y - within) / kStep)));
    const int r1 = std::min(rows - 1, int(std::ceil((p.y + within) / kStep)));
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c)
            if (reached[Index(c, r)] && Distance(NodePoint(c, r), p) <= within)
                return true;
    return false;
}
