// CDistanceField: Dijkstra over the pilot's grid, eight neighbours a cell.
#include "CDistanceField.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <queue>
#include <utility>

#include "CPilotGrid.h"
#include "actors/VectorMath.h"

namespace {

// Extra cost of a step into a cell with less than this much room.
constexpr float kComfortableRoom = 12.0f;

float StepCost(const CPilotGrid& grid, int c, int r, float length)
{
    const float room = grid.Room(c, r);
    const float cramped = room < kComfortableRoom ? (kComfortableRoom - room) / kComfortableRoom : 0.0f;
    return length * (1.0f + 3.0f * cramped);
}

}  // namespace

void CDistanceField::Build(const CPilotGrid& pilotGrid, SVector goal, float reach)
{
    grid = &pilotGrid;
    const int columns = pilotGrid.Columns();
    const int rows = pilotGrid.Rows();
    distance.assign(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows), kUnreached);
    using SEntry = std::pair<float, int>;
    std::priority_queue<SEntry, std::vector<SEntry>, std::greater<SEntry>> open;

    const int span = static_cast<int>(std::ceil(reach / CPilotGrid::kCell)) + 1;
    int gc = 0;
    int gr = 0;
    pilotGrid.CellOf(goal, gc, gr);
    for (int r = gr - span; r <= gr + span; ++r) {
        for (int c = gc - span; c <= gc + span; ++c) {
            if (pilotGrid.Free(c, r) && Distance(pilotGrid.Centre(c, r), goal) <= reach) {
                distance[pilotGrid.Index(c, r)] = 0.0f;
                open.emplace(0.0f, pilotGrid.Index(c, r));
            }
        }
    }
    static const int kSteps[8][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {1, 1}, {1, -1}, {-1, 1}, {-1, -1}};
    const float diagonal = CPilotGrid::kCell * std::sqrt(2.0f);
    while (!open.empty()) {
        const auto [d, index] = open.top();
        open.pop();
        if (d > distance[index]) {
            continue;
        }
        const int c = index % columns;
        const int r = index / columns;
        for (int k = 0; k < 8; ++k) {
            const int nc = c + kSteps[k][0];
            const int nr = r + kSteps[k][1];
            if (!pilotGrid.Free(nc, nr)) {
                continue;
            }
            // A diagonal step must not cut the corner of a blocked cell.
            if (k >= 4 && (!pilotGrid.Free(nc, r) || !pilotGrid.Free(c, nr))) {
                continue;
            }
            const float next = d + StepCost(pilotGrid, nc, nr, k < 4 ? CPilotGrid::kCell : diagonal);
            const int ni = pilotGrid.Index(nc, nr);
            if (next < distance[ni]) {
                distance[ni] = next;
                open.emplace(next, ni);
            }
        }
    }
}

float CDistanceField::At(SVector p) const
{
    if (grid == nullptr || !grid->FreeAt(p)) {
        return kUnreached;
    }
    int c = 0;
    int r = 0;
    grid->CellOf(p, c, r);
    return distance[grid->Index(c, r)];
}

float CDistanceField::NearAt(SVector p) const
{
    if (grid == nullptr) {
        return kUnreached;
    }
    int c = 0;
    int r = 0;
    grid->CellOf(p, c, r);
    float best = kUnreached;
    for (int dr = -2; dr <= 2; ++dr) {
        for (int dc = -2; dc <= 2; ++dc) {
            if (grid->Inside(c + dc, r + dr)) {
                best = std::min(best, distance[grid->Index(c + dc, r + dr)]);
            }
        }
    }
    return best;
}
