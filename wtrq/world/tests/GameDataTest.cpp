// The game's own packages: every building type's pictures, every elf kind's and the tile list
// load as the world loads them, and nothing of the transparent magenta shows when drawn.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/ManualClock.h"
#include "support/PackageFixture.h"
#include "support/SurfaceProbe.h"
#include "world/PackageImages.h"
#include "world/World.h"

namespace wtrq {
namespace {

const std::string data = WTRQ_GAME_DATA;

class GameData : public test::PackageTest {};

bool isSingleTile(const Sprite& sprite) { return sprite && sprite->w == tileSize && sprite->h == tileSize; }

int magentaPixels(SDL_Surface* surface)
{
    int count = 0;
    for (int y = 0; y < surface->h; ++y)
        for (int x = 0; x < surface->w; ++x)
            count += test::pixelAt(surface, x, y) == 0xFF00FFu;
    return count;
}

TEST_F(GameData, EveryBuildingTypeAndElfKindLoadsAndDrawsWithoutMagenta)
{
    PackageImages images(data + "/buildings.pjw", data + "/elves.pjw");
    auto screen = test::makeScreen();
    SDL_FillRect(screen.get(), nullptr, 0x336699);
    for (int type = 1; type <= 8; ++type) {
        SCOPED_TRACE(type);
        Building building;
        building.load(static_cast<BuildingType>(type), images);
        const BuildingTypeInfo& info = buildingTypeInfo(building.type);
        ASSERT_EQ(building.sprites.size(), info.restingImages.size());
        ASSERT_EQ(building.workSprites.size(), info.workingFrames.size());
        for (const auto* list : {&building.sprites, &building.workSprites})
            for (const Sprite& sprite : *list) {
                EXPECT_TRUE(isSingleTile(sprite));
                EXPECT_TRUE(sprite->flags & SDL_SRCCOLORKEY);
            }
        // Each type in a row of its own, resting on the left and working on the right.
        building.setPosition(0, type);
        building.draw(screen.get(), 0);
        building.setPosition(10, type);
        building.workers = building.workersNeeded;
        building.carriers = 1;
        building.draw(screen.get(), 0);
    }
    for (int kind = 1; kind <= 3; ++kind) {
        Elf elf = Elf::make(static_cast<ElfType>(kind), 5 + kind, 0, images);
        EXPECT_TRUE(isSingleTile(elf.sprite));
        elf.draw(screen.get());
    }
    EXPECT_EQ(magentaPixels(screen.get()), 0);
    EXPECT_FALSE(scratchFileExists("temp.tmp"));
}

TEST_F(GameData, TileListMakesAMap)
{
    TileMap map;
    std::srand(3);
    map.load(runtimeRandom(), data + "/tiles.pjw");
    int ground = 0;
    for (const TileType& type : map.tileTypes()) {
        EXPECT_TRUE(isSingleTile(type.image));
        ground += type.isGround;
    }
    EXPECT_GT(ground, 0);
    EXPECT_LT(ground, static_cast<int>(map.tileTypes().size()));
    int blocked = 0;
    for (int x = 0; x < mapColumns; ++x)
        for (int y = 0; y < mapRows; ++y)
            blocked += map.isBlocked(x, y);
    EXPECT_GE(blocked, 1);
    EXPECT_LE(blocked, 50);
    EXPECT_FALSE(scratchFileExists("tileinfo.tmp"));
    EXPECT_FALSE(scratchFileExists("temp.tmp"));
}

}  // namespace
}  // namespace wtrq
