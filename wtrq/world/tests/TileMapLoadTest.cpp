// Loading the tile kinds from a tiles package: images, transparency, scratch files, failures.
#include <gtest/gtest.h>

#include "jwe/Exceptions.h"
#include "support/FakeImages.h"
#include "support/PackageFixture.h"
#include "support/ScriptedRandom.h"
#include "support/SurfaceProbe.h"
#include "world/TileMap.h"

namespace wtrq {
namespace {

using test::bytesOf;
using test::pngBytes;

// A snow tile, and a fir whose black background is marked transparent.
std::vector<std::uint8_t> snowPng() { return pngBytes(32, 32, [](int, int) { return 0xE0E8FFu; }); }
std::vector<std::uint8_t> firPng()
{
    return pngBytes(32, 32, [](int x, int y) { return x >= 12 && x < 20 && y >= 4 ? 0x106010u : 0x000000u; });
}

class TileMapLoad : public test::PackageTest {
protected:
    std::string tilesPackage(const std::string& list)
    {
        return writePackage("tiles.pjw", {{"tiles.dat", bytesOf(list)},
                                          {"snow.png", snowPng()},
                                          {"fir.png", firPng()},
                                          {"broken.png", bytesOf("not a picture")}});
    }
    void expectNoScratchFiles()
    {
        EXPECT_FALSE(scratchFileExists("tileinfo.tmp"));
        EXPECT_FALSE(scratchFileExists("temp.tmp"));
    }
    test::ScriptedRandom random;
};

TEST_F(TileMapLoad, LoadsKindsKeysTransparentOnesAndGenerates)
{
    const std::string path = tilesPackage("snow.png|yes|x\nfir.png|no|nonbg\nfir.png|no|opaque");
    TileMap map;
    std::srand(5);
    map.load(runtimeRandom(), path);
    expectNoScratchFiles();
    ASSERT_EQ(map.tileTypes().size(), 3u);
    EXPECT_TRUE(map.tileTypes()[0].isGround);
    EXPECT_FALSE(map.tileTypes()[1].isGround);
    EXPECT_TRUE(map.tileTypes()[1].image->flags & SDL_SRCCOLORKEY);
    EXPECT_FALSE(map.tileTypes()[2].image->flags & SDL_SRCCOLORKEY);
    int blocked = 0;
    for (int x = 0; x < mapColumns; ++x)
        for (int y = 0; y < mapRows; ++y)
            blocked += map.isBlocked(x, y);
    EXPECT_GE(blocked, 1);
    EXPECT_LE(blocked, 50);

    // Drawn, the transparent fir shows the snow around its trunk; the opaque one shows black.
    auto screen = test::makeScreen();
    map.draw(screen.get());
    for (int x = 0; x < mapColumns; ++x) {
        for (int y = 0; y < mapRows; ++y) {
            const int o = map.overlayAt(x, y);
            const Uint32 corner = test::pixelAt(screen.get(), tilePixelX(x), tilePixelY(y));
            const Uint32 trunk = test::pixelAt(screen.get(), tilePixelX(x) + 15, tilePixelY(y) + 20);
            if (o == -1) {
                EXPECT_EQ(corner, 0xE0E8FFu);
            } else {
                EXPECT_EQ(corner, o == 1 ? 0xE0E8FFu : 0x000000u);
                EXPECT_EQ(trunk, 0x106010u);
            }
        }
    }
}

TEST_F(TileMapLoad, FailuresNameWhatIsAtFaultAndLeaveNoScratchFiles)
{
    struct Case {
        const char* list;
        const char* message;
        const char* detail;
    };
    const Case cases[] = {
        {"snow.png|yes|x\nmissing.png|no|nonbg", "Failed to load file \"missing.png\".", "Not found inside package."},
        {"snow.png|yes|x\nbroken.png|no|nonbg", "Failed to load file \"broken.png\".", nullptr},
        {"snow.png|yes|x\n", "Failed to load file \"tiles.dat\".", "Line 2 is empty."},
        {"snow.png|yes|x", "Failed to load file \"tiles.dat\".",
         "The list has no obstacle tile type (second field \"no\")."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list);
        const std::string path = tilesPackage(c.list);
        TileMap map;
        try {
            map.load(random, path);
            FAIL() << "loaded";
        } catch (const FileLoadingFailed& e) {
            EXPECT_STREQ(e.what(), c.message);
            if (c.detail) {
                EXPECT_EQ(e.getDetail(), c.detail);
            }
        }
        expectNoScratchFiles();
        EXPECT_EQ(random.draws, 0);
    }
    TileMap map;
    EXPECT_THROW(map.load(random, (folder / "nowhere.pjw").string()), FileLoadingFailed);
    const std::string noList = writePackage("nolist.pjw", {{"snow.png", snowPng()}});
    try {
        map.load(random, noList);
        FAIL() << "loaded without a list";
    } catch (const FileLoadingFailed& e) {
        EXPECT_STREQ(e.what(), "Failed to load file \"tiles.dat\".");
        EXPECT_EQ(e.getDetail(), "Not found inside package.");
    }
}

}  // namespace
}  // namespace wtrq
