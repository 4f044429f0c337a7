// Shared set-up of world tests.
#include "support/WorldFixture.h"

#include <vector>

namespace wtrq::test {

void scriptMapWithObstacles(ScriptedRandom& random, std::initializer_list<TilePos> cells)
{
    for (int i = 0; i < mapColumns * mapRows; ++i)
        random.push(0);
    std::vector<TilePos> chosen(cells);
    const int placements = std::max<int>(40, static_cast<int>(chosen.size()));
    random.push(placements - 40);
    for (int i = 0; i < placements; ++i) {
        const TilePos cell = chosen[i % chosen.size()];
        random.push(cell.x);
        random.push(cell.y);
        random.push(1);
    }
}

Building& WorldTest::place(BuildingType type, int x, int y)
{
    world.addBuilding(type, x, y);
    return world.buildings.back();
}

Elf& WorldTest::hireOnto(ElfType type, int officeX, int officeY)
{
    world.money += 1000;
    const int items[] = {0, 7, 8, 9};
    EXPECT_EQ(world.hire(items[static_cast<int>(type)]), Hired);
    EXPECT_TRUE(world.placeNewElf(officeX, officeY));
    return world.elves.back();
}

void WorldTest::staff(int building, int count)
{
    world.buildings[building].workers += count;
}

}  // namespace wtrq::test
