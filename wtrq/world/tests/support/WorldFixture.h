// A world on an open map with fake pictures, a manual clock and scripted random numbers.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>

#include "support/FakeImages.h"
#include "support/ManualClock.h"
#include "support/ScriptedRandom.h"
#include "support/SurfaceProbe.h"
#include "world/World.h"

namespace wtrq::test {

// Scripts the draws of `generate` for a map of ground type 0 with obstacle type 1 on exactly
// the given cells (repeated until the generator's minimum of 40 placements is reached).
void scriptMapWithObstacles(ScriptedRandom& random, std::initializer_list<TilePos> cells);

class WorldTest : public ::testing::Test {
protected:
    WorldTest() : world(map, images, clock, random) {}

    Building& place(BuildingType type, int x, int y);
    // Pays for and places an elf of a kind on an office's tile (the office must have room).
    Elf& hireOnto(ElfType type, int officeX, int officeY);
    // Counts `count` more workers inside the building at index `building`.
    void staff(int building, int count);

    FakeImages images;
    ManualClock clock{10000};
    ScriptedRandom random;
    TileMap map;
    World world;
};

}  // namespace wtrq::test
