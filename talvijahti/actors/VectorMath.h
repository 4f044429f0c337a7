// Small arithmetic on SVector for the game's movement and collisions (SVector itself stays a plain pair).
#pragma once

#include <cmath>

#include "core/SVector.h"

inline SVector Add(SVector a, SVector b) { return SVector{a.x + b.x, a.y + b.y}; }
inline SVector Sub(SVector a, SVector b) { return SVector{a.x - b.x, a.y - b.y}; }
inline SVector Scale(SVector a, float s) { return SVector{a.x * s, a.y * s}; }
inline float Dot(SVector a, SVector b) { return a.x * b.x + a.y * b.y; }
inline float Length(SVector a) { return std::sqrt(a.x * a.x + a.y * a.y); }
inline float Distance(SVector a, SVector b) { return Length(Sub(a, b)); }
