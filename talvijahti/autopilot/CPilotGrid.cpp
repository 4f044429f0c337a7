// CPilotGrid: the elf's room at every cell, from the obstacle edges and the level's border.
#include "CPilotGrid.h"

#include <algorithm>
#include <cmath>

#include "actors/VectorMath.h"
#include "actors/functions.h"
#include "core/SVertex.h"
#include "level/CLevel.h"

namespace {

// What the player itself keeps from obstacle edges and the border.
constexpr float kEdgeDistance = 16.0f;
constexpr float kBorderDistance = 14.0f;

bool InsideQuad(SVector p, const SQuad& quad)
{
    bool inside = false;
    for (int i = 0, j = 3; i < 4; j = i++) {
        const SVertex& a = quad.v[i];
        const SVertex& b = quad.v[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) {
            inside = !inside;
        }
    }
    return inside;
}

float EdgeDistance(SVector p, const SQuad& quad)
{
    float best = INFINITY;
    for (int i = 0; i < 4; ++i) {
        const SVector a{quad.v[i].x, quad.v[i].y};
        const SVector b{quad.v[(i + 1) % 4].x, quad.v[(i + 1) % 4].y};
        best = std::min(best, Distance(p, NearestPointFromLine(p, a, b)));
    }
    return best;
}

}  // namespace

CPilotGrid::CPilotGrid(CLevel& level)
{
    const float width = level.GetWidth();
    const float height = level.GetHeight();
    columns = std::max(1, static_cast<int>(std::ceil(width / kCell)));
    rows = std::max(1, static_cast<int>(std::ceil(height / kCell)));
    room.assign(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows), kMaxRoom);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const SVector p = Centre(c, r);
            const float border = std::min(std::min(p.x, width - p.x), std::min(p.y, height - p.y));
            room[Index(c, r)] = std::min(kMaxRoom, border - kBorderDistance);
        }
    }
    // Each obstacle only touches the cells near its own box.
    const SQuad* quads = level.GetQuads();
    const float reach = kEdgeDistance + kMaxRoom;
    for (int q = 0; q < level.GetQuadCount(); ++q) {
        float x0 = INFINITY, y0 = INFINITY, x1 = -INFINITY, y1 = -INFINITY;
        for (const SVertex& v : quads[q].v) {
            x0 = std::min(x0, v.x);
            y0 = std::min(y0, v.y);
            x1 = std::max(x1, v.x);
            y1 = std::max(y1, v.y);
        }
        const int c0 = std::max(0, static_cast<int>((x0 - reach) / kCell));
        const int c1 = std::min(columns - 1, static_cast<int>((x1 + reach) / kCell));
        const int r0 = std::max(0, static_cast<int>((y0 - reach) / kCell));
        const int r1 = std::min(rows - 1, static_cast<int>((y1 + reach) / kCell));
        for (int r = r0; r <= r1; ++r) {
            for (int c = c0; c <= c1; ++c) {
                const SVector p = Centre(c, r);
                float& cell = room[Index(c, r)];
                cell = InsideQuad(p, quads[q]) ? -kMaxRoom : std::min(cell, EdgeDistance(p, quads[q]) - kEdgeDistance);
            }
        }
    }
}

void CPilotGrid::CellOf(SVector p, int& c, int& r) const
{
    c = std::clamp(static_cast<int>(std::floor(p.x / kCell)), 0, columns - 1);
    r = std::clamp(static_cast<int>(std::floor(p.y / kCell)), 0, rows - 1);
}

bool CPilotGrid::FreeAt(SVector p) const
{
    if (!(p.x >= 0.0f && p.y >= 0.0f && p.x < columns * kCell && p.y < rows * kCell)) {
        return false;
    }
    int c = 0;
    int r = 0;
    CellOf(p, c, r);
    return Free(c, r);
}

bool CPilotGrid::ClearRun(SVector a, SVector b) const
{
    const float length = Distance(a, b);
    const int steps = std::max(1, static_cast<int>(length / 4.0f));
    for (int i = 1; i <= steps; ++i) {
        const float t = static_cast<float>(i) / static_cast<float>(steps);
        if (!FreeAt(SVector{a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t})) {
            return false;
        }
    }
    return true;
}
