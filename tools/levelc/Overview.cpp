// A small software rasteriser for the level overview.
#include "Overview.h"

#include "Geometry.h"
#include "LevelChecks.h"
#include "ReachGrid.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace
{

using SRgb = std::array<uint8_t, 3>;

class CCanvas
{
public:
    CCanvas(SOverview& out, float scale) : out(out), scale(scale) {}

    void Pixel(int x, int y, SRgb c)
    {
        if (x < 0 || y < 0 || x >= out.width || y >= out.height)
            return;
        uint8_t* p = &out.rgb[(std::size_t(y) * std::size_t(out.width) + std::size_t(x)) * 3];
        p[0] = c[0];
        p[1] = c[1];
        p[2] = c[2];
    }

    // Disk or ring around a world point; radii in world pixels.
    void Circle(SLevelPoint centre, float radius, SRgb c, bool filled)
    {
        const float r = radius * scale;
        const float cx = centre.x * scale, cy = centre.y * scale;
        for (int y = int(cy - r - 1); y <= int(cy + r + 1); ++y)
            for (int x = int(cx - r - 1); x <= int(cx + r + 1); ++x)
            {
                const float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy);
                if (filled ? d <= r : std::fabs(d - r) <= 0.7f)
                    Pixel(x, y, c);
            }
    }

    void Line(SLevelPoint a, SLevelPoint b, SRgb c)
    {
        const float len = Distance(a, b) * scale;
        const int steps = std::max(1, int(len * 2));
        for (int i = 0; i <= steps; ++i)
        {
            const SLevelPoint p = a + (b - a) * (float(i) / float(steps));
            Pixel(int(p.x * scale), int(p.y * scale), c);
        }
    }

    void Quad(const SLevelQuad& q, SRgb fill, SRgb edge)
    {
        float x0 = INFINITY, y0 = INFINITY, x1 = -INFINITY, y1 = -INFINITY;
        for (const SLevelPoint& p : q.corners)
        {
            x0 = std::min(x0, p.x * scale);
            y0 = std::min(y0, p.y * scale);
            x1 = std::max(x1, p.x * scale);
            y1 = std::max(y1, p.y * scale);
        }
        for (int y = int(y0); y <= int(y1) + 1; ++y)
            for (int x = int(x0); x <= int(x1) + 1; ++x)
                if (InsideQuad({(x + 0.5f) / scale, (y + 0.5f) / scale}, q))
                    Pixel(x, y, fill);
        for (int i = 0; i < 4; ++i)
            Line(q.corners[i], q.corners[(i + 1) % 4], edge);
    }

private:
    SOverview& out;
    float scale;
};

}  // namespace

SOverview RenderOverview(const SLevelData& level, int maxSide)
{
    const float scale = std::min(1.0f, float(maxSide) / std::max(level.width, level.height));
    SOverview out;
    out.width = std::max(1, int(std::ceil(level.width * scale)));
    out.height = std::max(1, int(std::ceil(level.height * scale)));
    out.rgb.assign(std::size_t(out.width) * std::size_t(out.height) * 3, 0);
    CCanvas canvas(out, scale);

    // Ground: light where the elf can get to, grey-blue where it cannot.
    CReachGrid grid(level, SElfRules{});
    grid.FloodFromStart();
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x)
        {
            const int c = std::min(grid.Columns() - 1, int(std::lround((x + 0.5f) / scale / CReachGrid::kStep)));
            const int r = std::min(grid.Rows() - 1, int(std::lround((y + 0.5f) / scale / CReachGrid::kStep)));
            canvas.Pixel(x, y, grid.ReachedNode(c, r) ? SRgb{236, 242, 250} : SRgb{178, 188, 204});
        }
    for (const SLevelQuad& q : level.quads)
        canvas.Quad(q, {150, 100, 60}, {70, 40, 20});

    for (const SWaypointLink& link : WaypointLinks(level))
        canvas.Line(level.waypoints[std::size_t(link.from)], level.waypoints[std::size_t(link.to)], {120, 120, 200});
    for (std::size_t i = 0; i < level.waypoints.size(); ++i)
    {
        const bool snowballStart = int(i) < level.enemyCount;
        if (snowballStart)
            canvas.Circle(level.waypoints[i], 30.0f, {90, 110, 160}, true);
        canvas.Circle(level.waypoints[i], 5.0f, {40, 40, 120}, true);
    }

    canvas.Circle(level.start, 80.0f, {30, 150, 60}, false);
    canvas.Circle(level.start, 12.0f, {30, 150, 60}, true);
    canvas.Circle(level.end, 80.0f, {40, 80, 220}, false);
    canvas.Circle(level.end, 32.0f, {40, 80, 220}, false);
    canvas.Circle(level.end, 12.0f, {40, 80, 220}, true);
    for (const SLevelPoint& p : level.presents)
    {
        canvas.Circle(p, 28.0f, {220, 40, 50}, false);
        canvas.Circle(p, 10.0f, {220, 40, 50}, true);
    }
    return out;
}
