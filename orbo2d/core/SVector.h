// A point or a displacement in pixels (y grows downward).
#pragma once

// No constructor on purpose: a fresh SVector holds whatever it is given, and level
// files are read straight into it as two consecutive floats.
struct SVector {
    float x;
    float y;
};
