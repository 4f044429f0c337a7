// NearestPointFromLine: projection onto a segment, clamped to its ends.
#include "functions.h"

#include "VectorMath.h"

SVector NearestPointFromLine(SVector p, SVector a, SVector b)
{
    const float d1 = Dot(Sub(p, a), Sub(b, a));
    if (d1 <= 0.0f) {
        return a;
    }
    const float d2 = Dot(Sub(p, b), Sub(a, b));
    if (d2 <= 0.0f) {
        return b;
    }
    // d1 + d2 is the squared length of the segment, positive here since both terms are.
    return Add(a, Scale(Sub(b, a), d1 / (d1 + d2)));
}
