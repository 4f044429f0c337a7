// Paying for elves, production steps, factory sales and the final score.
#include <gtest/gtest.h>

#include "support/WorldFixture.h"

namespace wtrq {
namespace {

using test::WorldTest;

class Economy : public WorldTest {};

TEST_F(Economy, HireChecksMoneyBeforeOffices)
{
    struct Case {
        const char* name;
        int item;
        int money;
        int offices;      // each upkeeping `upkept` elves
        int upkept;
        int result;
        int moneyAfter;
        int pending;
    };
    const Case cases[] = {
        {"worker, exactly the price", 7, 200, 1, 0, Hired, 0, 1},
        {"geologist", 8, 5000, 1, 3, Hired, 4400, 2},
        {"carrier", 9, 400, 2, 4, Hired, 0, 3},          // the second office has room
        {"one short", 8, 599, 1, 0, NotEnoughMoneyToHire, 599, -1},
        {"no office at all", 7, 5000, 0, 0, NoOfficeWithRoom, 5000, -1},
        {"every office full", 9, 5000, 1, 4, NoOfficeWithRoom, 5000, -1},
        {"neither money nor room", 7, 0, 1, 4, NotEnoughMoneyToHire, 0, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        world.release();
        world.pendingHire = -1;
        world.money = c.money;
        for (int i = 0; i < c.offices; ++i)
            place(BuildingType::Office, i, 0).upkept = (i == 0 ? c.upkept : 0);
        if (c.offices == 2)
            world.buildings[0].upkept = 4;
        EXPECT_EQ(world.hire(c.item), c.result);
        EXPECT_EQ(world.money, c.moneyAfter);
        EXPECT_EQ(world.pendingHire, c.pending);
    }
    for (int bad : {6, 10, 0}) {
        try {
            world.hire(bad);
            FAIL() << "no error for item " << bad;
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), "Invalid elf type in buying!");
        }
    }
}

TEST_F(Economy, FactorySales)
{
    struct Case {
        int wood, steel, plastic;
        int earned, woodAfter, steelAfter, plasticAfter;
    };
    const Case cases[] = {
        {25, 4, 3, 700, 15, 4, 0},    {9, 4, 2, 0, 9, 4, 2},      {10, 5, 3, 1000, 0, 0, 0},
        {0, 12, 0, 300, 0, 7, 0},     {100, 100, 100, 1000, 90, 95, 97},
    };
    auto screen = test::makeScreen();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.wood * 10000 + c.steel * 100 + c.plastic);
        world.release();
        Building& factory = place(BuildingType::Factory, 3, 3);
        factory.workers = 2;
        world.money = 0;
        world.wood = c.wood;
        world.steel = c.steel;
        world.plastic = c.plastic;
        clock.advance(2999);
        world.produceAndDraw(screen.get());
        EXPECT_EQ(world.money, 0);  // not yet due
        clock.advance(1);
        world.produceAndDraw(screen.get());
        EXPECT_EQ(world.money, c.earned);
        EXPECT_EQ(world.wood, c.woodAfter);
        EXPECT_EQ(world.steel, c.steelAfter);
        EXPECT_EQ(world.plastic, c.plasticAfter);
        EXPECT_EQ(world.buildings[0].lastProduction, clock.now());  // even a sale of nothing
    }
}

TEST_F(Economy, ProducersFillTheirStocksOnlyWhileWorking)
{
    auto screen = test::makeScreen();
    place(BuildingType::Woodworker, 0, 0);
    place(BuildingType::Plastics, 2, 0);
    place(BuildingType::Foundry, 5, 0);
    place(BuildingType::Mine, 9, 0);
    place(BuildingType::Office, 10, 0);
    staff(1, 6);
    staff(2, 4);  // no carrier yet: idle
    staff(3, 3);
    // 12 s later: one step each, however long they have stood.
    clock.advance(12000);
    world.produceAndDraw(screen.get());
    EXPECT_EQ(world.plastic, 2);
    EXPECT_EQ(world.steel, 0);
    EXPECT_EQ(world.wood, 0);
    world.buildings[2].carriers = 2;  // 2500 ms period, long over: due at once
    staff(0, 1);                      // the worker enters the long-built woodworker
    world.produceAndDraw(screen.get());
    EXPECT_EQ(world.wood, 3);
    EXPECT_EQ(world.steel, 3);
    EXPECT_EQ(world.plastic, 2);  // at most one step per period
    clock.advance(2500);
    world.produceAndDraw(screen.get());
    EXPECT_EQ(world.wood, 6);
    EXPECT_EQ(world.steel, 6);
    EXPECT_EQ(world.plastic, 2);
    EXPECT_EQ(world.money, startMoney);
}

TEST_F(Economy, FinalScore)
{
    struct Case {
        int money, wood, steel, plastic, score;
    };
    const Case cases[] = {{1234, 5, 7, 2, 1273}, {5000, 0, 0, 0, 5000}, {0, 1, 1, 1, 9}};
    for (const Case& c : cases) {
        world.money = c.money;
        world.wood = c.wood;
        world.steel = c.steel;
        world.plastic = c.plastic;
        EXPECT_EQ(world.finalScore(), c.score);
    }
}

}  // namespace
}  // namespace wtrq
