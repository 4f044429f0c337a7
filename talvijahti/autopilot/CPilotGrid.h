// The autopilot's map of a level: an 8-pixel grid of how much room the elf has at each spot
// beyond what it needs to keep from the obstacles and the border.
#pragma once

#include <vector>

#include "core/SVector.h"

class CLevel;

class CPilotGrid {
public:
    static constexpr float kCell = 8.0f;
    // Room is measured up to this far; more makes no difference to the pilot.
    static constexpr float kMaxRoom = 48.0f;

    explicit CPilotGrid(CLevel& level);

    int Columns() const { return columns; }
    int Rows() const { return rows; }
    bool Inside(int c, int r) const { return c >= 0 && r >= 0 && c < columns && r < rows; }
    // Pixels of room at the cell's centre: negative where the elf cannot stand.
    float Room(int c, int r) const { return room[Index(c, r)]; }
    bool Free(int c, int r) const { return Inside(c, r) && Room(c, r) >= 0.0f; }
    bool FreeAt(SVector p) const;
    // The cell holding p, clamped into the grid.
    void CellOf(SVector p, int& c, int& r) const;
    SVector Centre(int c, int r) const { return SVector{(c + 0.5f) * kCell, (r + 0.5f) * kCell}; }
    int Index(int c, int r) const { return r * columns + c; }
    // True when every point of the straight run from a to b has room (sampled every 4 pixels).
    bool ClearRun(SVector a, SVector b) const;

private:
    int columns = 0;
    int rows = 0;
    std::vector<float> room;
};
