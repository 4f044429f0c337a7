// Buildings and elves own their pictures: moves hand them over, and every one is freed once.
#include <gtest/gtest.h>

#include <type_traits>

#include "support/WorldFixture.h"

namespace wtrq {
namespace {

using test::FakeImages;
using test::ManualClock;
using test::ScriptedRandom;

static_assert(!std::is_copy_constructible_v<Building> && !std::is_copy_assignable_v<Building>);
static_assert(std::is_nothrow_move_constructible_v<Building>);
static_assert(!std::is_copy_constructible_v<Elf> && std::is_nothrow_move_constructible_v<Elf>);

TEST(Lifecycle, MovingABuildingHandsOverItsPictures)
{
    FakeImages images;
    Building first;
    first.load(BuildingType::Plastics, images);
    EXPECT_EQ(images.liveSurfaces(), 6);
    Building second = std::move(first);
    EXPECT_EQ(second.sprites.size(), 4u);
    EXPECT_TRUE(first.sprites.empty() && first.workSprites.empty());
    first.releaseSprites();
    EXPECT_EQ(images.liveSurfaces(), 6);
    second.load(BuildingType::Office, images);  // a reload lets the old pictures go
    EXPECT_EQ(images.liveSurfaces(), 1);
    second.releaseSprites();
    EXPECT_EQ(images.liveSurfaces(), 0);
}

// Many purchases and hires grow the lists far past their first capacity; AddressSanitizer in
// the sanitizer build and the live count here show that nothing is freed twice or kept.
TEST(Lifecycle, BuyingAndHiringALotFreesEverySurfaceOnce)
{
    FakeImages images;
    ManualClock clock(1000);
    ScriptedRandom random;
    random.fallBackTo(0);
    TileMap map;
    {
        World world(map, images, clock, random);
        world.money = 10000000;
        auto screen = test::makeScreen();
        const BuildingType kinds[] = {BuildingType::Office, BuildingType::Woodworker, BuildingType::Factory,
                                      BuildingType::Foundry};
        int bought = 0;
        for (int y = 0; y < mapRows; ++y) {
            for (int x = 0; x + 3 <= mapColumns; x += 3) {
                world.startPlacement(kinds[bought % 4]);
                world.followMouse(x * tileSize, topBarHeight + y * tileSize);
                ASSERT_EQ(world.buy(), Bought);
                ++bought;
            }
            world.addBuilding(BuildingType::Iron, 19, y);
        }
        std::size_t hired = 0;
        for (std::size_t b = 0; b < world.buildings.size(); ++b) {
            if (world.buildings[b].type != BuildingType::Office)
                continue;
            for (int i = 0; i < officeUpkeep; ++i, ++hired) {
                ASSERT_EQ(world.hire(7 + hired % 3), Hired);
                ASSERT_TRUE(world.placeNewElf(world.buildings[b].x, world.buildings[b].y));
            }
        }
        EXPECT_EQ(world.elves.size(), hired);
        EXPECT_GT(hired, 80u);
        for (int i = 0; i < 20; ++i) {
            clock.advance(500);
            world.produceAndDraw(screen.get());
            world.updateElves();
            world.drawElves(screen.get());
        }
        world.startPlacement(BuildingType::Plastics);
        world.startPlacement(BuildingType::Mine);
        EXPECT_GT(images.liveSurfaces(), 0);
    }
    EXPECT_EQ(images.liveSurfaces(), 0);
}

}  // namespace
}  // namespace wtrq
