// Placing a building: valid spots, the preview following the mouse, its blink and cross, buying.
#include <gtest/gtest.h>

#include <vector>

#include "support/WorldFixture.h"

namespace wtrq {
namespace {

using test::WorldTest;

class Placement : public WorldTest {};

struct Existing {
    BuildingType type;
    int x, y;
};

struct SpotCase {
    const char* name;
    std::vector<Existing> existing;
    BuildingType placing;
    int x, y;
    bool valid;
};

TEST_F(Placement, SpotRules)
{
    using T = BuildingType;
    const SpotCase cases[] = {
        {"empty map", {}, T::Office, 5, 5, true},
        {"touching on the left edge", {{T::Foundry, 2, 5}}, T::Office, 5, 5, true},
        {"overlapping a foundry's last tile", {{T::Foundry, 3, 5}}, T::Office, 5, 5, false},
        {"touching below", {{T::Mine, 5, 3}}, T::Factory, 5, 5, true},
        {"overlapping a mine's bottom tile", {{T::Mine, 6, 4}}, T::Factory, 5, 5, false},
        {"plastics overlaps corner to corner", {{T::Office, 6, 6}}, T::Plastics, 5, 5, false},
        {"standing on a marker", {{T::Iron, 5, 5}, {T::Oil, 6, 5}}, T::Factory, 5, 5, true},
        {"mine with iron under its top", {{T::Iron, 5, 5}}, T::Mine, 5, 5, true},
        {"mine with iron under its bottom", {{T::Iron, 5, 6}}, T::Mine, 5, 5, true},
        {"mine with iron beside it", {{T::Iron, 6, 5}}, T::Mine, 5, 5, false},
        {"mine with iron below it", {{T::Iron, 5, 7}}, T::Mine, 5, 5, false},
        {"mine with only oil under it", {{T::Oil, 5, 5}}, T::Mine, 5, 5, false},
        {"mine on iron under another building", {{T::Iron, 5, 5}, {T::Office, 5, 5}}, T::Mine, 5, 5, false},
        {"plastics without oil", {}, T::Plastics, 5, 5, false},
        {"plastics with oil top-left", {{T::Oil, 5, 5}}, T::Plastics, 5, 5, true},
        {"plastics with oil top-right", {{T::Oil, 6, 5}}, T::Plastics, 5, 5, true},
        {"plastics with oil bottom-left", {{T::Oil, 5, 6}}, T::Plastics, 5, 5, true},
        {"plastics with oil bottom-right", {{T::Oil, 6, 6}}, T::Plastics, 5, 5, true},
        {"plastics with iron only", {{T::Iron, 6, 6}}, T::Plastics, 5, 5, false},
        {"plastics with oil outside", {{T::Oil, 7, 5}}, T::Plastics, 5, 5, false},
    };
    for (const SpotCase& c : cases) {
        SCOPED_TRACE(c.name);
        world.release();
        for (const Existing& e : c.existing)
            world.addBuilding(e.type, e.x, e.y);
        world.startPlacement(c.placing);
        world.preview.setPosition(c.x, c.y);
        EXPECT_EQ(world.isValidSpot(), c.valid);
    }
}

TEST_F(Placement, ObstaclesBlockEveryTileOfTheFootprint)
{
    scriptMapWithObstacles(random, {{7, 4}});
    map.useTileTypes({{true, {}}, {false, {}}});
    map.generate(random);
    world.startPlacement(BuildingType::Foundry);
    const struct {
        int x, y;
        bool valid;
    } spots[] = {{5, 4, false}, {6, 4, false}, {7, 4, false}, {4, 4, true}, {8, 4, true}, {5, 3, true}};
    for (const auto& s : spots) {
        world.preview.setPosition(s.x, s.y);
        EXPECT_EQ(world.isValidSpot(), s.valid) << s.x << "," << s.y;
    }
}

TEST_F(Placement, PreviewFollowsTheMouseInsideTheMap)
{
    struct Case {
        BuildingType type;
        int mx, my;
        int tx, ty;
    };
    using T = BuildingType;
    const Case cases[] = {
        {T::Office, 100, 100, 3, 2},      {T::Office, 639, 479, 19, 13},  {T::Office, 5000, 5000, 19, 13},
        {T::Office, -40, -40, 0, 0},      {T::Office, 200, 10, 6, 0},     // over the top bar: row 0
        {T::Foundry, 639, 200, 17, 5},    {T::Foundry, 575, 200, 17, 5},  {T::Foundry, 543, 200, 16, 5},
        {T::Mine, 300, 479, 9, 12},       {T::Mine, 300, 447, 9, 12},     {T::Plastics, 640, 480, 18, 12},
        {T::Factory, 0, 32, 0, 0},
    };
    for (const Case& c : cases) {
        world.startPlacement(c.type);
        world.followMouse(c.mx, c.my);
        EXPECT_EQ(world.preview.position(), std::make_pair(c.tx, c.ty))
            << "type " << static_cast<int>(c.type) << " mouse " << c.mx << "," << c.my;
    }
    world.cancelPlacement();
    world.followMouse(600, 400);  // ignored while not placing
    EXPECT_EQ(world.preview.position(), std::make_pair(0, 0));
}

TEST_F(Placement, BuyResults)
{
    struct Case {
        const char* name;
        bool placing;
        BuildingType type;
        int money;
        bool blockedByOffice;
        int result;
        int moneyAfter;
    };
    using T = BuildingType;
    const Case cases[] = {
        {"not placing", false, T::Office, 5000, false, NotPlacing, 5000},
        {"exactly the cost", true, T::Woodworker, 1000, false, Bought, 0},
        {"one short", true, T::Woodworker, 999, false, NotEnoughMoneyToBuy, 999},
        {"invalid spot before money", true, T::Office, 0, true, InvalidSpot, 0},
        {"change is kept", true, T::Office, 10300, false, Bought, 9600},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        world.release();
        if (c.blockedByOffice)
            world.addBuilding(T::Office, 4, 4);
        const std::size_t before = world.buildings.size();
        world.money = c.money;
        if (c.placing) {
            world.startPlacement(c.type);
            world.preview.setPosition(4, 4);
        }
        EXPECT_EQ(world.buy(), c.result);
        EXPECT_EQ(world.money, c.moneyAfter);
        EXPECT_EQ(world.buildings.size(), before + (c.result == Bought ? 1 : 0));
        EXPECT_EQ(world.placing, c.placing);  // ending the placement is the caller's
    }
}

TEST_F(Placement, BoughtBuildingHasItsOwnStartValues)
{
    clock.set(77000);
    world.startPlacement(BuildingType::Mine);
    world.addBuilding(BuildingType::Iron, 3, 9);
    world.followMouse(3 * 32 + 5, 32 + 8 * 32 + 5);
    ASSERT_EQ(world.buy(), Bought);
    const Building& mine = world.buildings.back();
    EXPECT_EQ(mine.type, BuildingType::Mine);
    EXPECT_EQ(mine.position(), std::make_pair(3, 8));
    EXPECT_EQ(mine.animTick, 77000u);
    EXPECT_EQ(mine.lastProduction, 77000u);
    EXPECT_EQ(mine.workersNeeded, 3);
    EXPECT_EQ(mine.workers + mine.carriers + mine.upkept + mine.animFrame, 0);
    EXPECT_NE(mine.sprites.front(), world.preview.sprites.front());  // its own pictures
    world.startPlacement(BuildingType::Iron);
    EXPECT_THROW(world.buy(), std::runtime_error);  // markers are not for sale
}

TEST_F(Placement, MarkerStaysUnderTheBuildingPutOnIt)
{
    auto screen = test::makeScreen();
    world.addBuilding(BuildingType::Iron, 5, 6);
    world.addBuilding(BuildingType::Oil, 9, 9);
    world.startPlacement(BuildingType::Mine);
    world.preview.setPosition(5, 5);
    ASSERT_EQ(world.buy(), Bought);
    world.produceAndDraw(screen.get());
    // Drawn in list order: the mine's bottom tile covers the iron; the lone oil shows.
    EXPECT_EQ(test::tileColour(screen.get(), 5, 6), test::restingColour(BuildingType::Mine, 1));
    EXPECT_EQ(test::tileColour(screen.get(), 9, 9), test::restingColour(BuildingType::Oil, 0));
    ASSERT_EQ(world.buildings.size(), 3u);
    EXPECT_EQ(world.buildings[0].type, BuildingType::Iron);
    // A second mine on the same iron overlaps the first.
    world.preview.setPosition(5, 6);
    EXPECT_FALSE(world.isValidSpot());
}

TEST_F(Placement, PreviewBlinksWithARedCrossOverAnInvalidSpot)
{
    auto screen = test::makeScreen();
    world.addBuilding(BuildingType::Office, 10, 5);
    world.startPlacement(BuildingType::Factory);  // blink cycle starts at 10000
    world.followMouse(9 * 32 + 3, 32 + 5 * 32 + 3);  // (9, 5): overlaps the office
    ASSERT_FALSE(world.isValidSpot());
    const Uint32 red = 0xFF0000;
    const struct {
        Ticks at;
        bool shown;
    } timeline[] = {{10000, false}, {10249, false}, {10250, true}, {10749, true}, {10750, true},
                    {10999, false}, {11000, true}};
    for (const auto& t : timeline) {
        clock.set(t.at);
        test::clearSurface(screen.get());
        world.drawPreview(screen.get());
        const Uint32 rightTile = test::tileColour(screen.get(), 10, 5);
        EXPECT_EQ(rightTile != 0, t.shown) << "at " << t.at;
        if (!t.shown)
            continue;
        // X = 288, Y = 192, X2 = 352, Y2 = 224: both diagonals three lines thick.
        EXPECT_EQ(test::pixelAt(screen.get(), 288, 192), red);
        EXPECT_EQ(test::pixelAt(screen.get(), 289, 192), red);
        EXPECT_EQ(test::pixelAt(screen.get(), 288, 193), red);
        EXPECT_EQ(test::pixelAt(screen.get(), 300, 192), test::restingColour(BuildingType::Factory, 0));
        EXPECT_EQ(test::pixelAt(screen.get(), 288, 223), red);
        EXPECT_EQ(test::pixelAt(screen.get(), 351, 192), red);
    }
    // Over a valid spot the preview shows without a cross.
    world.followMouse(2 * 32, 32 + 2 * 32);
    clock.set(11300);
    test::clearSurface(screen.get());
    world.drawPreview(screen.get());
    EXPECT_EQ(test::pixelAt(screen.get(), 64, 96), test::restingColour(BuildingType::Factory, 0));
    world.cancelPlacement();
    test::clearSurface(screen.get());
    world.drawPreview(screen.get());
    EXPECT_EQ(test::tileColour(screen.get(), 2, 2), 0u);
    EXPECT_TRUE(world.preview.sprites.empty());
}

}  // namespace
}  // namespace wtrq
