// Random map generation in its exact order of draws, drawing both layers, and blocked cells.
#include <gtest/gtest.h>

#include <cstdlib>

#include "support/FakeImages.h"
#include "support/ScriptedRandom.h"
#include "support/SurfaceProbe.h"
#include "world/TileMap.h"

namespace wtrq {
namespace {

using test::ScriptedRandom;

Sprite squareOf(Uint32 colour)
{
    SDL_Surface* s = test::makeMemorySurface(32, 32);
    SDL_FillRect(s, nullptr, colour);
    return adoptSurface(s);
}

// Types 0 and 2 are ground, 1 and 3 obstacles.
std::vector<TileType> fourTypes()
{
    return {{true, squareOf(0x101010)}, {false, squareOf(0x202020)}, {true, squareOf(0x303030)},
            {false, squareOf(0x404040)}};
}

int blockedCells(const TileMap& map)
{
    int blocked = 0;
    for (int x = 0; x < mapColumns; ++x)
        for (int y = 0; y < mapRows; ++y)
            blocked += map.isBlocked(x, y);
    return blocked;
}

TEST(TileMap, ScriptedDrawsGiveAKnownMap)
{
    ScriptedRandom random;
    // Ground, column by column: cell (0,0) redraws past the obstacle types 1 and 3 (as 5 and 7)
    // before it gets type 2; every other cell takes type 0 or 2 at once.
    random.pushAll({5, 7, 2});
    for (int i = 1; i < mapColumns * mapRows; ++i)
        random.push(i % 2 == 0 ? 0 : 2);
    // 40 + 1 obstacle placements: x, y, then types until an obstacle.
    random.push(12);  // 40 + 12 mod 11 = 41
    random.pushAll({19, 13, 0, 2, 3});  // (19,13): ground draws land in the overlay, then 3
    random.pushAll({20 + 5, 14 + 6, 1});  // (5,6): coordinates wrap modulo 20 and 14
    for (int i = 0; i < 38; ++i)
        random.pushAll({3, 3, 1});
    random.pushAll({19, 13, 1});  // chosen again: the later obstacle replaces the earlier one

    TileMap map;
    map.useTileTypes(fourTypes());
    map.generate(random);
    EXPECT_EQ(random.left(), 0u);
    EXPECT_EQ(map.groundAt(0, 0), 2);
    EXPECT_EQ(map.groundAt(0, 1), 2);  // the second draw belongs to row 1 of column 0
    EXPECT_EQ(map.groundAt(0, 2), 0);
    EXPECT_EQ(map.groundAt(1, 0), 0);  // column 1 starts at draw 14, an even one
    EXPECT_EQ(map.overlayAt(19, 13), 1);
    EXPECT_EQ(map.overlayAt(5, 6), 1);
    EXPECT_EQ(map.overlayAt(3, 3), 1);
    EXPECT_EQ(blockedCells(map), 3);
}

TEST(TileMap, OneGroundTypeFillsTheGround)
{
    TileMap map;
    map.useTileTypes({{false, squareOf(1)}, {true, squareOf(2)}, {false, squareOf(3)}});
    std::srand(7);
    map.generate(runtimeRandom());
    for (int x = 0; x < mapColumns; ++x)
        for (int y = 0; y < mapRows; ++y)
            ASSERT_EQ(map.groundAt(x, y), 1) << x << "," << y;
}

TEST(TileMap, BlockedCellsBeforeAndAfterGenerating)
{
    TileMap map;
    map.useTileTypes(fourTypes());
    EXPECT_EQ(blockedCells(map), 0);
    for (unsigned seed : {1u, 2u, 3u, 99u, 12345u}) {
        std::srand(seed);
        map.generate(runtimeRandom());
        const int blocked = blockedCells(map);
        EXPECT_GE(blocked, 1) << "seed " << seed;
        EXPECT_LE(blocked, 50) << "seed " << seed;
        for (int x = 0; x < mapColumns; ++x)
            for (int y = 0; y < mapRows; ++y)
                if (map.isBlocked(x, y)) {
                    EXPECT_FALSE(map.tileTypes()[map.overlayAt(x, y)].isGround);
                }
    }
    EXPECT_TRUE(map.isBlocked(-1, 0));  // nothing can be placed off the map
    EXPECT_TRUE(map.isBlocked(0, mapRows));
}

TEST(TileMap, ListWithoutBothKindsIsRefusedInsteadOfDrawingForever)
{
    TileMap map;
    EXPECT_THROW(map.useTileTypes({{true, squareOf(1)}, {true, squareOf(2)}}), std::invalid_argument);
    EXPECT_THROW(map.useTileTypes({{false, squareOf(1)}}), std::invalid_argument);
    EXPECT_THROW(map.useTileTypes({}), std::invalid_argument);
    ScriptedRandom none;
    EXPECT_THROW(map.generate(none), std::logic_error);  // nothing loaded yet
    EXPECT_EQ(none.draws, 0);
}

TEST(TileMap, DrawsGroundThenObstacleUnderTheTopBar)
{
    // An obstacle image with a colour-keyed background lets the ground show through.
    SDL_Surface* tree = test::makeMemorySurface(32, 32);
    SDL_FillRect(tree, nullptr, 0x000000);
    SDL_Rect trunk{8, 8, 16, 16};
    SDL_FillRect(tree, &trunk, 0x00AA00);
    SDL_SetColorKey(tree, SDL_SRCCOLORKEY, 0x000000);

    ScriptedRandom random;
    for (int i = 0; i < mapColumns * mapRows; ++i)
        random.push(0);
    random.push(0);  // 40 obstacles: one at (2, 3), the rest at (0, 0)
    random.pushAll({2, 3, 1});
    for (int i = 0; i < 39; ++i)
        random.pushAll({0, 0, 1});
    TileMap map;
    map.useTileTypes({{true, squareOf(0xDDDDFF)}, {false, adoptSurface(tree)}});
    map.generate(random);

    auto screen = test::makeScreen();
    SDL_FillRect(screen.get(), nullptr, 0x123456);
    map.draw(screen.get());
    EXPECT_EQ(test::pixelAt(screen.get(), 0, 31), 0x123456u);  // the top bar is left alone
    EXPECT_EQ(test::pixelAt(screen.get(), 639, 479), 0xDDDDFFu);
    EXPECT_EQ(test::pixelAt(screen.get(), 64 + 1, 128 + 1), 0xDDDDFFu);   // (2,3), keyed corner
    EXPECT_EQ(test::pixelAt(screen.get(), 64 + 16, 128 + 16), 0x00AA00u);  // (2,3), the tree
    EXPECT_EQ(test::pixelAt(screen.get(), 16, 48), 0x00AA00u);              // (0,0)
}

}  // namespace
}  // namespace wtrq
