// Where the elf can stand and where it can get to: a 4-pixel grid over the level.
#pragma once

#include "SLevelData.h"

#include <cstdint>
#include <vector>

// How the player moves (distances in pixels): it is kept this far from every
// obstacle edge and from the level border, and takes presents and the exit within
// these reaches.
struct SElfRules
{
    float edgeClearance = 16.0f;
    float borderClearance = 14.0f;
    float presentReach = 28.0f;
    float exitReach = 32.0f;
};

class CReachGrid
{
public:
    static constexpr float kStep = 4.0f;

    CReachGrid(const SLevelData& level, const SElfRules& rules);

    // True when the elf may stand at p: inside the border margin, outside every
    // obstacle and at least the clearance from each edge.
    bool Free(SLevelPoint p) const;

    // Marks every grid node connected to the start through free nodes (4-connected).
    // Returns false when the start itself is not free.
    bool FloodFromStart();

    // True when some reached node lies within `reach` of p. The node must be a
    // grid step closer than the reach, so a pass here is not a lucky rounding.
    bool Reaches(SLevelPoint p, float reach) const;

    int Columns() const { return columns; }
    int Rows() const { return rows; }
    bool FreeNode(int c, int r) const { return free[Index(c, r)] != 0; }
    bool ReachedNode(int c, int r) const { return reached[Index(c, r)] != 0; }
    SLevelPoint NodePoint(int c, int r) const { return {c * kStep, r * kStep}; }

private:
    std::size_t Index(int c, int r) const { return std::size_t(r) * std::size_t(columns) + std::size_t(c); }

    const SLevelData& level;
    SElfRules rules;
    int columns = 0;
    int rows = 0;
    std::vector<uint8_t> free;
    std::vector<uint8_t> reached;
};
