// How far the elf has to skate from every cell of the pilot's grid to a goal, around the
// obstacles; cramped cells cost more, so the way found keeps to the middle of passages.
#pragma once

#include <limits>
#include <vector>

#include "core/SVector.h"

class CPilotGrid;

class CDistanceField {
public:
    static constexpr float kUnreached = std::numeric_limits<float>::infinity();

    // The goal is every free cell whose centre lies within reach of goal.
    void Build(const CPilotGrid& grid, SVector goal, float reach);

    // The distance at the cell holding p; kUnreached off the free ice or where no way leads.
    float At(SVector p) const;
    // The smallest distance of the cells around p (for a position pressed against a wall).
    float NearAt(SVector p) const;
    bool Empty() const { return distance.empty(); }

private:
    const CPilotGrid* grid = nullptr;
    std::vector<float> distance;
};
