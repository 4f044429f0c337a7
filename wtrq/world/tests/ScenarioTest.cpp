// A whole production chain played for 600 simulated seconds, checked against figures worked out
// by hand, once with the tick count far from its wrap and once wrapping 30 s into the game.
#include <gtest/gtest.h>

#include "support/WorldFixture.h"

namespace wtrq {
namespace {

using test::FakeImages;
using test::ManualClock;
using test::ScriptedRandom;

class ProductionChain : public ::testing::TestWithParam<Ticks> {
protected:
    ProductionChain() : clock(GetParam()), world(map, images, clock, random) {}

    void buy(BuildingType type, int x, int y)
    {
        world.startPlacement(type);
        world.followMouse(tileSize * x + 10, topBarHeight + tileSize * y + 10);
        ASSERT_EQ(world.buy(), Bought);
        world.cancelPlacement();
    }
    void hire(int item, int officeX, int officeY)
    {
        ASSERT_EQ(world.hire(item), Hired);
        ASSERT_TRUE(world.placeNewElf(officeX, officeY));
    }
    void send(int worker, int x, int y)
    {
        world.workerToAssign = worker;
        ASSERT_TRUE(world.assignWorker(x, y));
    }
    // One frame of the game screen, 100 ms after the last: production, then the elf tick
    // whenever 500 ms have passed since the previous one.
    void frame()
    {
        clock.advance(100);
        world.produceAndDraw(screen.get());
        if (hasElapsed(clock.now(), elvesTick, 500)) {
            world.updateElves();
            elvesTick = clock.now();
        }
    }
    TilePos at(int elf) const { return {world.elves[elf].x, world.elves[elf].y}; }

    FakeImages images;
    ManualClock clock;
    ScriptedRandom random;
    TileMap map;
    World world;
    test::OwnedSurface screen = test::makeScreen();
    Ticks elvesTick = GetParam();
};

// Layout: offices at (0,0), (1,0), (2,0); woodworker (0,3); factory (3,3)-(4,3); foundry
// (8,3)-(10,3); later a mine (5,5)-(5,6) on the iron the geologist finds at (5,5).
// Elves in hiring order: 0 geologist, 1 woodworker's worker, 2-3 factory workers (first office);
// 4-7 foundry workers (second office); 8-10 mine workers, 11 carrier (third office).
TEST_P(ProductionChain, SixHundredSeconds)
{
    const Ticks start = GetParam();
    world.money = 30000;  // enough to buy the whole chain at once
    buy(BuildingType::Office, 0, 0);
    buy(BuildingType::Office, 1, 0);
    buy(BuildingType::Office, 2, 0);
    buy(BuildingType::Woodworker, 0, 3);
    buy(BuildingType::Factory, 3, 3);
    buy(BuildingType::Foundry, 8, 3);
    for (int item : {8, 7, 7, 7})
        hire(item, 0, 0);
    for (int i = 0; i < 4; ++i)
        hire(7, 1, 0);
    for (int item : {7, 7, 7, 9})
        hire(item, 2, 0);
    EXPECT_EQ(world.money, 30000 - 3 * 700 - 1000 - 2000 - 6000 - 600 - 10 * 200 - 400);
    send(1, 0, 3);
    send(2, 3, 3);
    send(3, 4, 3);
    for (int worker = 4; worker < 8; ++worker)
        send(worker, 9, 3);
    // The geologist: nothing on its office, off to (5, 5) (index 74 of the 279 tiles left),
    // a find there on arrival, and iron; then always the first tile not yet explored.
    random.pushAll({0, 74, 4, 1});
    random.fallBackTo(0);

    bool mineBought = false;
    bool routeSet = false;
    for (int f = 1; f <= 6000; ++f) {
        frame();
        // What the player does, right after the frame in which it became possible.
        if (!mineBought && world.buildings.size() == 7) {
            EXPECT_EQ(f, 35) << "the iron appears on the 7th elf tick";
            ASSERT_EQ(world.buildings[6].type, BuildingType::Iron);
            buy(BuildingType::Mine, 5, 5);
            for (int worker = 8; worker < 11; ++worker)
                send(worker, 5, 6);
            mineBought = true;
        }
        if (mineBought && !routeSet && world.buildings[7].isWorking()) {
            EXPECT_EQ(f, 70) << "the mine's three workers are inside on the 14th elf tick";
            world.carrierForMine = 11;
            ASSERT_TRUE(world.chooseMine(5, 5));
            ASSERT_TRUE(world.chooseFoundry(8, 3));
            routeSet = true;
        }
        if (f == 40) {
            EXPECT_EQ(world.buildings[5].workers, 4);  // arrived on the 8th tick
            EXPECT_EQ(world.steel, 0);                 // but no carrier yet
        }
        if (f == 600) {
            // 60 s: 29 woodworker steps (87 wood), 8 sales of wood; 18 foundry steps
            // (54 steel) from 7.1 s on every 3 s, 10 sales of steel.
            EXPECT_EQ(world.wood, 7);
            EXPECT_EQ(world.steel, 4);
            EXPECT_EQ(world.money, 11900 + 8 * 200 + 10 * 300);
        }
    }
    EXPECT_EQ(clock.now(), start + 600000);
    // Woodworker: 299 steps from 2.1 s on (897 wood); of the factory's 200 sales, 89 took wood.
    // Foundry: 198 steps from 7.1 s on (594 steel); 118 sales took steel. No plastics works.
    EXPECT_EQ(world.wood, 7);
    EXPECT_EQ(world.steel, 4);
    EXPECT_EQ(world.plastic, 0);
    EXPECT_EQ(world.money, 11900 + 89 * 200 + 118 * 300);
    EXPECT_EQ(world.finalScore(), 65100 + 2 * 7 + 3 * 4);

    // Workers are inside their workplaces for good.
    const struct {
        int first, last;
        TilePos at;
    } inside[] = {{1, 1, {0, 3}}, {2, 3, {3, 3}}, {4, 7, {8, 3}}, {8, 10, {5, 6}}};
    for (const auto& group : inside)
        for (int e = group.first; e <= group.last; ++e) {
            EXPECT_EQ(at(e), group.at) << "elf " << e;
            EXPECT_TRUE(world.elves[e].hidden) << "elf " << e;
        }
    EXPECT_EQ(world.buildings[3].workers, 1);
    EXPECT_EQ(world.buildings[4].workers, 2);
    EXPECT_EQ(world.buildings[7].workers, 3);
    // The geologist visited every tile in x-major order and stopped on the last one by tick 797.
    EXPECT_EQ(at(0), (TilePos{19, 13}));
    EXPECT_EQ(world.elves[0].searchState, GeologistState::Exhausted);
    // The carrier's 20-tick round (in the mine on tick 21, 41, ...): tick 1200 is the last step
    // of its walk back, so it stands visible on the mine's entrance.
    const Elf& carrier = world.elves[11];
    EXPECT_EQ(at(11), (TilePos{5, 6}));
    EXPECT_FALSE(carrier.hidden);
    EXPECT_FALSE(carrier.toFoundry);
    EXPECT_TRUE(carrier.routeActive);
    EXPECT_EQ(world.buildings.size(), 8u);
    EXPECT_EQ(world.buildings[2].upkept, 4);
}

INSTANTIATE_TEST_SUITE_P(StartTicks, ProductionChain,
                         ::testing::Values(Ticks{10000}, Ticks{0xFFFFFFFFu - 29999u}));

}  // namespace
}  // namespace wtrq
