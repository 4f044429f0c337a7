// PushOutOfEdge: the obstacle push, with a defined direction when the distance is zero.
#include "EdgeContact.h"

#include "VectorMath.h"
#include "core/SVertex.h"
#include "functions.h"

namespace {

SVector Corner(const SQuad& quad, int i) { return SVector{quad.v[i].x, quad.v[i].y}; }

// The unit normal of the edge a-b that points away from centre; (0, 0) for a zero-length edge.
SVector OutwardNormal(SVector a, SVector b, SVector centre)
{
    const SVector along = Sub(b, a);
    const float length = Length(along);
    if (!(length > 0.0f)) {
        return SVector{0.0f, 0.0f};
    }
    SVector n{-along.y / length, along.x / length};
    if (Dot(n, Sub(centre, a)) > 0.0f) {
        n = Scale(n, -1.0f);
    }
    return n;
}

}  // namespace

bool PushOutOfEdge(SVector& position, const SQuad& quad, int from, int to, float radius, SVector& normal)
{
    const SVector a = Corner(quad, from);
    const SVector b = Corner(quad, to);
    const SVector p = NearestPointFromLine(position, a, b);
    const SVector d = Sub(position, p);
    const float dist = Length(d);
    if (!(dist < radius)) {
        return false;
    }
    if (dist > 0.0f) {
        const SVector n{d.x / dist, d.y / dist};
        position = Sub(position, Scale(n, dist - radius));
        normal = n;
        return true;
    }
    const SVector centre = Scale(Add(Add(Corner(quad, 0), Corner(quad, 1)), Add(Corner(quad, 2), Corner(quad, 3))), 0.25f);
    const SVector n = OutwardNormal(a, b, centre);
    if (n.x == 0.0f && n.y == 0.0f) {
        return false;
    }
    position = Add(p, Scale(n, radius));
    normal = n;
    return true;
}
