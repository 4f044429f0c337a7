// Keeping a round body at a distance from an obstacle edge: the push the player and the snowballs share.
#pragma once

#include "core/SVector.h"

struct SQuad;

// If position is closer than radius to the edge from corner `from` to corner `to` of quad,
// moves it out to exactly radius along the direction from the edge's nearest point, writes
// that unit direction to normal and returns true. A position lying exactly on the edge has
// no such direction; it is pushed along the edge's normal on the side away from the quad's
// centre instead, so a position never becomes NaN. A degenerate edge (both corners the same)
// with the position on it is left alone.
bool PushOutOfEdge(SVector& position, const SQuad& quad, int from, int to, float radius, SVector& normal);
