// A building's footprint, working state, drawing by slot, animation and production clock.
#include <gtest/gtest.h>

#include <vector>

#include "support/FakeImages.h"
#include "support/SurfaceProbe.h"
#include "world/Building.h"

namespace wtrq {
namespace {

using test::FakeImages;
using test::restingColour;
using test::tileColour;
using test::workingColour;

Building loaded(BuildingType type, FakeImages& images, int x = 0, int y = 0)
{
    Building b;
    b.load(type, images);
    b.setPosition(x, y);
    return b;
}

TEST(Building, FootprintAndEntrance)
{
    FakeImages images;
    const Building foundry = loaded(BuildingType::Foundry, images, 5, 7);
    EXPECT_TRUE(foundry.contains(5, 7));
    EXPECT_TRUE(foundry.contains(7, 7));
    EXPECT_FALSE(foundry.contains(8, 7));
    EXPECT_FALSE(foundry.contains(4, 7));
    EXPECT_FALSE(foundry.contains(5, 8));
    EXPECT_EQ(foundry.entrance(), (TilePos{5, 7}));

    const Building plastics = loaded(BuildingType::Plastics, images, 2, 3);
    EXPECT_TRUE(plastics.contains(3, 4));
    EXPECT_FALSE(plastics.contains(4, 4));
    EXPECT_EQ(plastics.entrance(), (TilePos{2, 4}));  // bottom-left tile
    EXPECT_EQ(loaded(BuildingType::Mine, images, 9, 0).entrance(), (TilePos{9, 1}));
}

TEST(Building, IsWorking)
{
    struct Case {
        BuildingType type;
        int workers, carriers;
        bool working;
    };
    const Case cases[] = {
        {BuildingType::Woodworker, 0, 0, false}, {BuildingType::Woodworker, 1, 0, true},
        {BuildingType::Plastics, 5, 0, false},   {BuildingType::Plastics, 6, 0, true},
        {BuildingType::Mine, 3, 0, true},        {BuildingType::Foundry, 4, 0, false},
        {BuildingType::Foundry, 3, 1, false},    {BuildingType::Foundry, 4, 1, true},
    };
    FakeImages images;
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.type) * 100 + c.workers * 10 + c.carriers);
        Building b = loaded(c.type, images);
        b.workers = c.workers;
        b.carriers = c.carriers;
        EXPECT_EQ(b.isWorking(), c.working);
    }
}

TEST(Building, LoadRefusesTypeOutOfRange)
{
    FakeImages images;
    Building b;
    EXPECT_THROW(b.load(static_cast<BuildingType>(9), images), std::runtime_error);
    EXPECT_EQ(images.buildingLoads, 0);
}

// Which picture each tile of a resting or working building shows.
TEST(Building, DrawsSlotsOnTheirTiles)
{
    struct Expect {
        int dx, dy;
        Uint32 resting, working;
    };
    struct Case {
        BuildingType type;
        int workers;
        std::vector<Expect> tiles;
    };
    using T = BuildingType;
    const Case cases[] = {
        {T::Office, 0, {{0, 0, restingColour(T::Office, 0), restingColour(T::Office, 0)}}},
        {T::Woodworker, 1, {{0, 0, restingColour(T::Woodworker, 0), workingColour(T::Woodworker, 0)}}},
        {T::Factory, 2,
         {{0, 0, restingColour(T::Factory, 0), restingColour(T::Factory, 0)},
          {1, 0, restingColour(T::Factory, 1), workingColour(T::Factory, 0)}}},
        {T::Plastics, 6,
         {{0, 0, restingColour(T::Plastics, 0), workingColour(T::Plastics, 0)},
          {1, 0, restingColour(T::Plastics, 1), restingColour(T::Plastics, 1)},
          {0, 1, restingColour(T::Plastics, 2), restingColour(T::Plastics, 2)},
          {1, 1, restingColour(T::Plastics, 3), restingColour(T::Plastics, 3)}}},
        {T::Mine, 3,
         {{0, 0, restingColour(T::Mine, 0), workingColour(T::Mine, 0)},
          {0, 1, restingColour(T::Mine, 1), restingColour(T::Mine, 1)}}},
        {T::Iron, 0, {{0, 0, restingColour(T::Iron, 0), restingColour(T::Iron, 0)}}},
    };
    FakeImages images;
    auto screen = test::makeScreen();
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.type));
        for (bool working : {false, true}) {
            Building b = loaded(c.type, images, 4, 6);
            b.workers = working ? c.workers : 0;
            test::clearSurface(screen.get());
            b.draw(screen.get(), 0);  // no time has passed: frame 0
            for (const Expect& e : c.tiles)
                EXPECT_EQ(tileColour(screen.get(), 4 + e.dx, 6 + e.dy), working ? e.working : e.resting)
                    << "tile +" << e.dx << ",+" << e.dy << (working ? " working" : " resting");
        }
    }
    // Tile (4, 6) has its top-left pixel at (128, 224): one row below the top bar.
    Building office = loaded(T::Office, images, 4, 6);
    test::clearSurface(screen.get());
    office.draw(screen.get(), 0);
    EXPECT_EQ(test::pixelAt(screen.get(), 128, 224), restingColour(T::Office, 0));
    EXPECT_EQ(test::pixelAt(screen.get(), 127, 224), 0u);
    EXPECT_EQ(test::pixelAt(screen.get(), 128, 223), 0u);
}

TEST(Building, WoodworkerCyclesItsFourFramesEvery200ms)
{
    FakeImages images;
    auto screen = test::makeScreen();
    Building b = loaded(BuildingType::Woodworker, images);
    b.workers = 1;
    b.animTick = 1000;
    // Frames change only once 200 ms have passed since the last change.
    const struct {
        Ticks at;
        int frame;
    } steps[] = {{1199, 0}, {1200, 1}, {1399, 1}, {1400, 2}, {1600, 3}, {1800, 0}, {2000, 1}};
    for (const auto& s : steps) {
        b.draw(screen.get(), s.at);
        EXPECT_EQ(b.animFrame, s.frame) << "at " << s.at;
        EXPECT_EQ(tileColour(screen.get(), 0, 0), workingColour(BuildingType::Woodworker, s.frame));
    }
}

TEST(Building, FoundryWithoutCarrierCountsFramesButShowsItsRestingLook)
{
    FakeImages images;
    auto screen = test::makeScreen();
    Building b = loaded(BuildingType::Foundry, images, 0, 0);
    b.workers = 4;
    b.draw(screen.get(), 200);
    b.draw(screen.get(), 400);
    EXPECT_EQ(b.animFrame, 2);
    EXPECT_EQ(tileColour(screen.get(), 2, 0), restingColour(BuildingType::Foundry, 2));
    b.carriers = 1;
    b.draw(screen.get(), 450);
    EXPECT_EQ(tileColour(screen.get(), 2, 0), workingColour(BuildingType::Foundry, 2));
    EXPECT_EQ(tileColour(screen.get(), 0, 0), restingColour(BuildingType::Foundry, 0));
}

TEST(Building, ProductionPeriods)
{
    struct Case {
        BuildingType type;
        int carriers;
        Ticks period;
    };
    const Case cases[] = {
        {BuildingType::Woodworker, 0, 2000}, {BuildingType::Factory, 0, 3000}, {BuildingType::Plastics, 0, 4000},
        {BuildingType::Foundry, 1, 3000},    {BuildingType::Foundry, 2, 2500}, {BuildingType::Foundry, 3, 2000},
        {BuildingType::Foundry, 4, 1500},    {BuildingType::Foundry, 5, 1000}, {BuildingType::Foundry, 6, 1000},
        {BuildingType::Foundry, 7, 1000},    {BuildingType::Office, 0, 0},     {BuildingType::Mine, 0, 0},
        {BuildingType::Iron, 0, 0},
    };
    FakeImages images;
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.type) * 10 + c.carriers);
        Building b = loaded(c.type, images);
        b.carriers = c.carriers;
        b.lastProduction = 5000;
        if (c.period == 0) {
            EXPECT_FALSE(b.isProductionDue(5000 + 100000));
            continue;
        }
        EXPECT_FALSE(b.isProductionDue(5000 + c.period - 1));
        EXPECT_TRUE(b.isProductionDue(5000 + c.period));
        EXPECT_EQ(b.lastProduction, 5000 + c.period);  // the period starts again
        EXPECT_FALSE(b.isProductionDue(5000 + c.period + 1));
    }
}

}  // namespace
}  // namespace wtrq
