// Elves: making them, walking, hiring into offices, workers, geologists and carriers on their ticks.
#include <gtest/gtest.h>

#include <vector>

#include "support/WorldFixture.h"

namespace wtrq {
namespace {

using test::FakeImages;
using test::WorldTest;

TEST(Elf, WalksDownOrUpFirstThenStraight)
{
    struct Case {
        TilePos from, to;
        std::vector<TilePos> path;
    };
    const Case cases[] = {
        {{0, 0}, {3, 1}, {{1, 1}, {2, 1}, {3, 1}}},
        {{5, 5}, {2, 8}, {{4, 6}, {3, 7}, {2, 8}}},
        {{4, 4}, {5, 1}, {{5, 3}, {5, 2}, {5, 1}}},
        {{7, 2}, {7, 2}, {}},
    };
    FakeImages images;
    for (const Case& c : cases) {
        Elf elf = Elf::make(ElfType::Worker, c.from.x, c.from.y, images);
        elf.walkTo(c.to);
        for (const TilePos& expected : c.path) {
            ASSERT_TRUE(elf.hasSteps());
            elf.walkStep();
            EXPECT_EQ((TilePos{elf.x, elf.y}), expected) << "toward " << c.to.x << "," << c.to.y;
        }
        EXPECT_FALSE(elf.hasSteps());
    }
}

TEST(Elf, MakeRefusesBadKindsAndPictures)
{
    FakeImages images;
    for (int bad : {0, 4}) {
        try {
            Elf::make(static_cast<ElfType>(bad), 0, 0, images);
            FAIL() << "no error for " << bad;
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), "Elf type invalid: out of bounds!");
        }
    }
    EXPECT_EQ(images.elfLoads, 0);
    images.elfImagesBroken = true;
    try {
        Elf::make(ElfType::Carrier, 0, 0, images);
        FAIL() << "no error for a broken picture";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Failed to load image!");
    }
}

TEST(Elf, DrawsOnItsTileUnlessHidden)
{
    FakeImages images;
    auto screen = test::makeScreen();
    Elf elf = Elf::make(ElfType::Geologist, 3, 0, images);
    elf.draw(screen.get());
    EXPECT_EQ(test::pixelAt(screen.get(), 96, 32), test::elfColour(ElfType::Geologist));
    EXPECT_EQ(test::pixelAt(screen.get(), 96, 31), 0u);
    test::clearSurface(screen.get());
    elf.hidden = true;
    elf.draw(screen.get());
    EXPECT_EQ(test::tileColour(screen.get(), 3, 0), 0u);
}

class Offices : public WorldTest {};

TEST_F(Offices, NewElfStandsOnTheClickedOfficeTile)
{
    place(BuildingType::Office, 6, 9);
    place(BuildingType::Woodworker, 7, 9);
    ASSERT_EQ(world.hire(8), Hired);
    EXPECT_FALSE(world.placeNewElf(7, 9));  // not an office: the elf keeps waiting
    EXPECT_FALSE(world.placeNewElf(0, 0));
    EXPECT_EQ(world.pendingHire, static_cast<int>(ElfType::Geologist));
    EXPECT_TRUE(world.placeNewElf(6, 9));
    ASSERT_EQ(world.elves.size(), 1u);
    const Elf& elf = world.elves[0];
    EXPECT_EQ(elf.type, ElfType::Geologist);
    EXPECT_EQ((TilePos{elf.x, elf.y}), (TilePos{6, 9}));
    EXPECT_EQ(elf.timer, notWaiting);
    EXPECT_EQ(elf.searchState, GeologistState::Searching);
    EXPECT_EQ(world.pendingHire, -1);
    EXPECT_EQ(world.buildings[0].upkept, 1);
    EXPECT_FALSE(world.placeNewElf(6, 9));  // nothing waits any more
}

TEST_F(Offices, AnOfficeUpkeepsFourForTheWholeGame)
{
    place(BuildingType::Office, 1, 1);
    for (int i = 0; i < 4; ++i)
        hireOnto(ElfType::Worker, 1, 1);
    world.money = 5000;
    EXPECT_EQ(world.hire(7), NoOfficeWithRoom);
    EXPECT_EQ(world.money, 5000);
    place(BuildingType::Office, 2, 1);
    ASSERT_EQ(world.hire(7), Hired);
    EXPECT_FALSE(world.placeNewElf(1, 1));
    EXPECT_TRUE(world.placeNewElf(2, 1));
    EXPECT_EQ(world.buildings[0].upkept, 4);
    EXPECT_EQ(world.buildings[1].upkept, 1);
}

TEST_F(Offices, PictureThatFailsLeavesTheOfficeRoom)
{
    place(BuildingType::Office, 1, 1);
    ASSERT_EQ(world.hire(9), Hired);
    images.elfImagesBroken = true;
    EXPECT_THROW(world.placeNewElf(1, 1), std::runtime_error);
    EXPECT_EQ(world.buildings[0].upkept, 0);
    EXPECT_TRUE(world.elves.empty());
}

class Workers : public WorldTest {};

TEST_F(Workers, WalkToTheEntranceAndGoInside)
{
    place(BuildingType::Office, 0, 0);
    place(BuildingType::Factory, 3, 1);
    hireOnto(ElfType::Worker, 0, 0);
    world.workerToAssign = 0;
    ASSERT_TRUE(world.assignWorker(4, 1));  // any tile of the factory
    EXPECT_EQ(world.workerToAssign, -1);
    const Elf& worker = world.elves[0];
    EXPECT_TRUE(worker.employed);
    EXPECT_TRUE(worker.onTheWay);
    const TilePos path[] = {{1, 1}, {2, 1}, {3, 1}};
    for (const TilePos& step : path) {
        world.updateElves();
        EXPECT_EQ((TilePos{worker.x, worker.y}), step);
        EXPECT_EQ(world.buildings[1].workers, 0);  // counted only once inside
    }
    world.updateElves();
    EXPECT_TRUE(worker.hidden);
    EXPECT_EQ(world.buildings[1].workers, 1);
    world.updateElves();
    EXPECT_EQ(world.buildings[1].workers, 1);
}

TEST_F(Workers, TwoSentToTheLastPlaceOneStaysOutsideFree)
{
    place(BuildingType::Office, 0, 0);
    place(BuildingType::Woodworker, 2, 0);
    hireOnto(ElfType::Worker, 0, 0);
    hireOnto(ElfType::Worker, 0, 0);
    world.workerToAssign = 0;
    ASSERT_TRUE(world.assignWorker(2, 0));
    world.workerToAssign = 1;
    ASSERT_TRUE(world.assignWorker(2, 0));  // still free: the first has not arrived
    for (int i = 0; i < 3; ++i)
        world.updateElves();
    EXPECT_EQ(world.buildings[1].workers, 1);
    EXPECT_TRUE(world.elves[0].hidden);
    const Elf& late = world.elves[1];
    EXPECT_FALSE(late.hidden);
    EXPECT_FALSE(late.employed);
    EXPECT_FALSE(late.onTheWay);
    EXPECT_EQ((TilePos{late.x, late.y}), (TilePos{2, 0}));
}

TEST_F(Workers, RefusedWorkplaces)
{
    place(BuildingType::Office, 0, 0);
    place(BuildingType::Iron, 5, 5);
    place(BuildingType::Woodworker, 6, 6);
    staff(2, 1);
    hireOnto(ElfType::Worker, 0, 0);
    const struct {
        const char* name;
        TilePos click;
    } cases[] = {{"office", {0, 0}}, {"marker", {5, 5}}, {"full", {6, 6}}, {"nothing", {9, 9}}};
    for (const auto& c : cases) {
        world.workerToAssign = 0;
        EXPECT_FALSE(world.assignWorker(c.click.x, c.click.y)) << c.name;
        EXPECT_EQ(world.workerToAssign, -1) << c.name;
        EXPECT_FALSE(world.elves[0].employed) << c.name;
    }
}

class Geologists : public WorldTest {
protected:
    void SetUp() override
    {
        place(BuildingType::Office, 0, 0);
        hireOnto(ElfType::Geologist, 0, 0);
    }
    Elf& geologist() { return world.elves[0]; }
};

// rand() values for the draws: randomInt(1, 10) is 1 + v mod 10, so 4 finds and 0 does not.
constexpr int finds = 4;
constexpr int findsNothing = 0;

TEST_F(Geologists, NeverFindsOnItsOfficeOrigin)
{
    random.pushAll({finds, 0});  // a lucky draw, then the first unexplored tile
    world.updateElves();
    EXPECT_EQ(geologist().searchState, GeologistState::Searching);
    EXPECT_EQ(world.buildings.size(), 1u);
    EXPECT_EQ(geologist().explored[0], 1);
    EXPECT_EQ(geologist().dy, 1);  // (0, 0) is explored, so index 0 is (0, 1)
    EXPECT_EQ(random.left(), 0u);
}

TEST_F(Geologists, FindsOnceThenWalksUntilEverythingIsExplored)
{
    random.pushAll({findsNothing, 0});  // at (0, 0): nothing, walk to (0, 1)
    world.updateElves();
    world.updateElves();  // one step
    random.pushAll({finds, 1});  // at (0, 1): found; randomInt(1, 2) = 2 means iron
    world.updateElves();
    ASSERT_EQ(world.buildings.size(), 2u);
    EXPECT_EQ(world.buildings[1].type, BuildingType::Iron);
    EXPECT_EQ(world.buildings[1].position(), std::make_pair(0, 1));
    EXPECT_EQ(geologist().searchState, GeologistState::Reported);

    // Reported: walks on without searching. Leave one tile unexplored.
    geologist().explored.fill(1);
    geologist().explored[19 * mapRows + 13] = 0;
    random.push(0);
    world.updateElves();
    EXPECT_EQ(geologist().dx, 19);
    EXPECT_EQ(geologist().dy, 12);
    for (int i = 0; i < 19; ++i)
        world.updateElves();
    EXPECT_EQ((TilePos{geologist().x, geologist().y}), (TilePos{19, 13}));
    world.updateElves();  // marks the last tile: nothing is left
    EXPECT_EQ(geologist().searchState, GeologistState::Exhausted);
    for (int i = 0; i < 10; ++i)
        world.updateElves();  // no draws, no steps, no second find
    EXPECT_EQ(world.buildings.size(), 2u);
    EXPECT_EQ(random.left(), 0u);
}

TEST_F(Geologists, OilFindAndSharedExploration)
{
    hireOnto(ElfType::Geologist, 0, 0);
    place(BuildingType::Office, 10, 10);
    hireOnto(ElfType::Geologist, 10, 10);
    Elf& second = world.elves[1];
    Elf& third = world.elves[2];
    second.x = 4;
    second.y = 4;  // away from any building origin
    // First: nothing at (0, 0), walks on. Second: finds at (4, 4); randomInt(1, 2) = 1 means oil.
    // Third: nothing on its office origin, walks toward the sixth tile of its list.
    random.pushAll({findsNothing, 0, finds, findsNothing, 5, 5});
    world.updateElves();
    ASSERT_EQ(world.buildings.size(), 3u);
    EXPECT_EQ(world.buildings[2].type, BuildingType::Oil);
    EXPECT_EQ(world.buildings[2].position(), std::make_pair(4, 4));
    // Every geologist now knows the three tiles where one stood still.
    for (const Elf& g : world.elves) {
        int known = 0;
        for (auto flag : g.explored)
            known += flag;
        EXPECT_EQ(known, 3);
        EXPECT_EQ(g.explored[4 * mapRows + 4], 1);
        EXPECT_EQ(g.explored[10 * mapRows + 10], 1);
    }
    // The tiles the others stood on are shared only after the whole tick, so the third's list
    // still began with (0, 0): its sixth entry is (0, 5).
    EXPECT_EQ(third.dx, -10);
    EXPECT_EQ(third.dy, -5);
}

class Carriers : public WorldTest {
protected:
    void SetUp() override
    {
        place(BuildingType::Office, 0, 0);
        place(BuildingType::Iron, 2, 0);
        place(BuildingType::Mine, 2, 0);      // entrance (2, 1)
        place(BuildingType::Foundry, 5, 1);   // entrance (5, 1)
        hireOnto(ElfType::Carrier, 0, 0);
    }
    Elf& carrier() { return world.elves[0]; }
    Building& mine() { return world.buildings[2]; }
    Building& foundry() { return world.buildings[3]; }
};

TEST_F(Carriers, NeedAWorkingMineAndAStaffedFoundry)
{
    staff(2, 2);
    world.carrierForMine = 0;
    EXPECT_FALSE(world.chooseMine(2, 1));  // two workers: not working
    EXPECT_EQ(world.carrierForMine, -1);
    EXPECT_EQ(world.carrierForFoundry, -1);
    staff(2, 1);
    world.carrierForMine = 0;
    EXPECT_FALSE(world.chooseMine(5, 1));  // a foundry is not a mine
    world.carrierForMine = 0;
    ASSERT_TRUE(world.chooseMine(2, 0));
    EXPECT_EQ(carrier().mine, 2);
    EXPECT_EQ(world.carrierForFoundry, 0);
    EXPECT_FALSE(carrier().routeActive);

    staff(3, 3);
    EXPECT_FALSE(world.chooseFoundry(6, 1));  // three workers of four
    EXPECT_EQ(world.carrierForFoundry, -1);
    EXPECT_EQ(foundry().carriers, 0);
    staff(3, 1);
    world.carrierForFoundry = 0;
    ASSERT_TRUE(world.chooseFoundry(7, 1));
    EXPECT_EQ(foundry().carriers, 1);
    EXPECT_EQ(carrier().foundry, 3);
    EXPECT_TRUE(carrier().routeActive);
    EXPECT_TRUE(foundry().isWorking());
}

TEST_F(Carriers, WaitThreeSecondsInsideOnEveryVisit)
{
    staff(2, 3);
    staff(3, 4);
    world.carrierForMine = 0;
    ASSERT_TRUE(world.chooseMine(2, 1));
    ASSERT_TRUE(world.chooseFoundry(5, 1));
    struct Step {
        TilePos at;
        bool hidden;
    };
    // One tick every 500 ms, from 10000 on.
    const Step timeline[] = {
        {{1, 1}, false}, {{2, 1}, false},  // walks to the mine's entrance
        {{2, 1}, true},                    // goes in at 11500
        {{2, 1}, true},  {{2, 1}, true},  {{2, 1}, true}, {{2, 1}, true}, {{2, 1}, true},
        {{2, 1}, false},                   // 3000 ms later, out toward the foundry
        {{3, 1}, false}, {{4, 1}, false}, {{5, 1}, false},
        {{5, 1}, true},                    // inside the foundry
        {{5, 1}, true},  {{5, 1}, true},  {{5, 1}, true}, {{5, 1}, true}, {{5, 1}, true},
        {{5, 1}, false},                   // back toward the mine
        {{4, 1}, false},
    };
    for (std::size_t i = 0; i < std::size(timeline); ++i) {
        clock.advance(500);
        world.updateElves();
        EXPECT_EQ((TilePos{carrier().x, carrier().y}), timeline[i].at) << "tick " << i;
        EXPECT_EQ(carrier().hidden, timeline[i].hidden) << "tick " << i;
    }
    EXPECT_EQ(foundry().carriers, 1);
}

}  // namespace
}  // namespace wtrq
