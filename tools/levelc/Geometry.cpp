// Nearest points, edge distances and inside tests for obstacle quads.
#include "Geometry.h"

SLevelPoint NearestOnSegment(SLevelPoint p, SLevelPoint a, SLevelPoint b)
{
    const float d1 = Dot(p - a, b - a);
    if (d1 <= 0.0f)
        return a;
    const float d2 = Dot(p - b, a - b);
    if (d2 <= 0.0f)
        return b;
    return a + (b - a) * (d1 / (d1 + d2));
}

float DistanceToQuadEdges(SLevelPoint p, const SLevelQuad& quad)
{
    float best = INFINITY;
    for (int i = 0; i < 4; ++i)
    {
        const SLevelPoint a = quad.corners[i];
        const SLevelPoint b = quad.corners[(i + 1) % 4];
        best = std::fmin(best, Distance(p, NearestOnSegment(p, a, b)));
    }
    return best;
}

bool InsideQuad(SLevelPoint p, const SLevelQuad& quad)
{
    bool inside = false;
    for (int i = 0, j = 3; i < 4; j = i++)
    {
        const SLevelPoint a = quad.corners[i];
        const SLevelPoint b = quad.corners[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside;
}

bool IsConvexQuad(const SLevelQuad& quad)
{
    int positive = 0;
    int negative = 0;
    for (int i = 0; i < 4; ++i)
    {
        const SLevelPoint a = quad.corners[i];
        const SLevelPoint b = quad.corners[(i + 1) % 4];
        const SLevelPoint c = quad.corners[(i + 2) % 4];
        const float turn = Cross(b - a, c - b);
        if (turn > 0.0f)
            ++positive;
        else if (turn < 0.0f)
            ++negative;
    }
    return (positive == 4 && negative == 0) || (negative == 4 && positive == 0);
}
