// Geometry shared by the player and the snowballs.
#pragma once

#include "core/SVector.h"

// The point of the segment from a to b nearest to p; a segment of zero length gives a.
SVector NearestPointFromLine(SVector p, SVector a, SVector b);
