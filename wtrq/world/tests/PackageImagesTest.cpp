// Building and elf pictures from their packages, keyed on magenta, and shared through the cache.
#include <gtest/gtest.h>

#include <map>

#include "jwe/Exceptions.h"
#include "support/FakeImages.h"
#include "support/ManualClock.h"
#include "support/PackageFixture.h"
#include "support/ScriptedRandom.h"
#include "support/SurfaceProbe.h"
#include "world/PackageImages.h"
#include "world/World.h"

namespace wtrq {
namespace {

using test::bytesOf;
using test::pngBytes;

// A magenta tile with a square of its own colour in the middle.
std::vector<std::uint8_t> markedTile(Uint32 colour)
{
    return pngBytes(32, 32, [colour](int x, int y) { return x >= 8 && x < 24 && y >= 8 && y < 24 ? colour : 0xFF00FFu; });
}

class PackagePictures : public test::PackageTest {
protected:
    // Every member of the type table, member i coloured 0x0000(i+1)0, except the ones replaced.
    std::string buildingsPackage(const std::map<std::string, std::vector<std::uint8_t>>& replaced = {})
    {
        std::vector<pjw::PackageMember> members;
        for (int type = 1; type <= 8; ++type) {
            const BuildingTypeInfo& info = buildingTypeInfo(static_cast<BuildingType>(type));
            for (const auto* list : {&info.restingImages, &info.workingFrames})
                for (const std::string& name : *list) {
                    const Uint32 colour = static_cast<Uint32>(members.size() + 1) << 8;
                    auto swap = replaced.find(name);
                    members.push_back({name, swap != replaced.end() ? swap->second : markedTile(colour)});
                }
        }
        return writePackage("buildings.pjw", members);
    }
    std::string elvesPackage()
    {
        return writePackage("elves.pjw", {{"worker.png", markedTile(0x0000AA)},
                                          {"geologist.png", markedTile(0x00AA00)},
                                          {"carrier.png", bytesOf("GIF89a but not really")}});
    }
};

TEST_F(PackagePictures, BuildingPicturesComeInSlotOrderWithMagentaTransparent)
{
    PackageImages images(buildingsPackage(), elvesPackage());
    Building foundry;
    foundry.load(BuildingType::Foundry, images);
    ASSERT_EQ(foundry.sprites.size(), 3u);
    ASSERT_EQ(foundry.workSprites.size(), 3u);
    EXPECT_FALSE(scratchFileExists("temp.tmp"));

    auto screen = test::makeScreen();
    SDL_FillRect(screen.get(), nullptr, 0x333333);
    foundry.setPosition(1, 1);
    foundry.draw(screen.get(), 0);
    // Sixteen members come before the foundry's: its slots are members 17, 18 and 19.
    for (int slot = 0; slot < 3; ++slot) {
        EXPECT_EQ(test::tileColour(screen.get(), 1 + slot, 1), static_cast<Uint32>(17 + slot) << 8);
        EXPECT_EQ(test::pixelAt(screen.get(), tilePixelX(1 + slot) + 1, tilePixelY(1) + 1), 0x333333u);
    }
}

TEST_F(PackagePictures, MissingOrUndecodableMembersAreLoadFailures)
{
    PackageImages broken(buildingsPackage({{"mine1w2.png", bytesOf("garbage")}}), elvesPackage());
    Building mine;
    try {
        mine.load(BuildingType::Mine, broken);
        FAIL() << "loaded a picture that does not decode";
    } catch (const FileLoadingFailed& e) {
        EXPECT_STREQ(e.what(), "Failed to load file \"mine1w2.png\".");
    }
    EXPECT_TRUE(mine.sprites.empty());
    EXPECT_FALSE(scratchFileExists("temp.tmp"));

    const std::string thin = writePackage("thin.pjw", {{"office.png", markedTile(1)}});
    PackageImages missing(thin, elvesPackage());
    EXPECT_NO_THROW(mine.load(BuildingType::Office, missing));
    try {
        mine.load(BuildingType::Factory, missing);
        FAIL() << "loaded a missing member";
    } catch (const FileLoadingFailed& e) {
        EXPECT_STREQ(e.what(), "Failed to load file \"factory1.png\".");
        EXPECT_EQ(e.getDetail(), "Not found inside package.");
    }
    PackageImages nowhere((folder / "none.pjw").string(), (folder / "none.pjw").string());
    EXPECT_THROW(mine.load(BuildingType::Office, nowhere), FileLoadingFailed);
    EXPECT_THROW(Elf::make(ElfType::Worker, 0, 0, nowhere), FileLoadingFailed);
}

TEST_F(PackagePictures, ElfPictures)
{
    PackageImages images(buildingsPackage(), elvesPackage());
    Elf worker = Elf::make(ElfType::Worker, 2, 3, images);
    auto screen = test::makeScreen();
    SDL_FillRect(screen.get(), nullptr, 0x333333);
    worker.draw(screen.get());
    EXPECT_EQ(test::tileColour(screen.get(), 2, 3), 0x0000AAu);
    EXPECT_EQ(test::pixelAt(screen.get(), 64, 128), 0x333333u);
    try {
        Elf::make(ElfType::Carrier, 0, 0, images);
        FAIL() << "made an elf without a picture";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Failed to load image!");
    }
}

TEST_F(PackagePictures, CacheLoadsEachTypeOncePerGameAndRecordsShareIt)
{
    test::FakeImages counted;
    test::ManualClock clock(500);
    test::ScriptedRandom random;
    TileMap map;
    {
        CachedImages cache(counted);
        World world(map, cache, clock, random);
        world.money = 100000;
        for (int x = 0; x < 6; ++x) {
            world.startPlacement(BuildingType::Foundry);
            world.followMouse(x * 96, 40);
            ASSERT_EQ(world.buy(), Bought);
        }
        world.startPlacement(BuildingType::Office);
        world.followMouse(0, 100);
        ASSERT_EQ(world.buy(), Bought);
        ASSERT_EQ(world.hire(7), Hired);
        ASSERT_TRUE(world.placeNewElf(0, 2));
        ASSERT_EQ(world.hire(7), Hired);
        ASSERT_TRUE(world.placeNewElf(0, 2));
        EXPECT_EQ(counted.buildingLoads, 2);
        EXPECT_EQ(counted.elfLoads, 1);
        EXPECT_EQ(world.buildings[0].sprites[2], world.buildings[5].sprites[2]);
        EXPECT_EQ(world.elves[0].sprite, world.elves[1].sprite);
        EXPECT_EQ(counted.liveSurfaces(), 6 + 1 + 1);
        world.cancelPlacement();
        world.release();
        EXPECT_EQ(counted.liveSurfaces(), 6 + 1 + 1);  // the cache still holds them
        EXPECT_THROW(cache.buildingSprites(static_cast<BuildingType>(0)), std::runtime_error);
        EXPECT_THROW(cache.elfSprite(static_cast<ElfType>(4)), std::runtime_error);
    }
    EXPECT_EQ(counted.liveSurfaces(), 0);
}

}  // namespace
}  // namespace wtrq
