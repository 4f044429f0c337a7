// Plane geometry on level points: nearest points on segments, insides of quads.
#pragma once

#include "SLevelData.h"

#include <cmath>

inline SLevelPoint operator-(SLevelPoint a, SLevelPoint b) { return {a.x - b.x, a.y - b.y}; }
inline SLevelPoint operator+(SLevelPoint a, SLevelPoint b) { return {a.x + b.x, a.y + b.y}; }
inline SLevelPoint operator*(SLevelPoint a, float s) { return {a.x * s, a.y * s}; }
inline float Dot(SLevelPoint a, SLevelPoint b) { return a.x * b.x + a.y * b.y; }
inline float Cross(SLevelPoint a, SLevelPoint b) { return a.x * b.y - a.y * b.x; }
inline float Length(SLevelPoint a) { return std::sqrt(Dot(a, a)); }
inline float Distance(SLevelPoint a, SLevelPoint b) { return Length(a - b); }

// The point of segment a-b nearest to p, the same rule the game's collisions use.
SLevelPoint NearestOnSegment(SLevelPoint p, SLevelPoint a, SLevelPoint b);

// Distance from p to the nearest of the quad's four edges.
float DistanceToQuadEdges(SLevelPoint p, const SLevelQuad& quad);

// True when p lies strictly inside the quad (even-odd rule, so any corner order works).
bool InsideQuad(SLevelPoint p, const SLevelQuad& quad);

// True when the quad is convex with a non-zero area (either winding).
bool IsConvexQuad(const SLevelQuad& quad);
