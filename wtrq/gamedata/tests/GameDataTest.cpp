// The committed packages hold every asset the game asks for, and each loads the way the
// game loads it: pictures through the display format, the font through SDL_ttf, the music
// and the sounds through our sound library.
#include <SDL.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "PackageFixture.h"
#include "fsound.h"
#include "fsound_pull.h"
#include "jwe/Surfaces.h"

namespace {

struct PictureCase {
    const char* package;
    const char* member;
    int width, height;
};

std::vector<PictureCase> everyPicture()
{
    std::vector<PictureCase> cases = {
        {"gui.pjw", "start_menu.png", 640, 480}, {"gui.pjw", "help1.png", 640, 480},
        {"gui.pjw", "help2.png", 640, 480},      {"gui.pjw", "help3.png", 640, 480},
        {"gui.pjw", "scoreboard.png", 640, 480}, {"gui.pjw", "topbar.png", 640, 32},
        {"gui.pjw", "topbar_down.png", 640, 32}, {"elves.pjw", "worker.png", 32, 32},
        {"elves.pjw", "geologist.png", 32, 32},  {"elves.pjw", "carrier.png", 32, 32},
    };
    for (const char* name :
         {"office.png", "woodworker.png", "woodworkerw1.png", "woodworkerw2.png", "woodworkerw3.png",
          "woodworkerw4.png", "factory1.png", "factory2.png", "factory2w1.png", "factory2w2.png", "plastics1.png",
          "plastics2.png", "plastics3.png", "plastics4.png", "plastics1w1.png", "plastics1w2.png", "foundry1.png",
          "foundry2.png", "foundry3.png", "foundry3w1.png", "foundry3w2.png", "foundry3w3.png", "mine1.png",
          "mine2.png", "mine1w1.png", "mine1w2.png", "iron.png", "oil.png"}) {
        cases.push_back({"buildings.pjw", name, 32, 32});
    }
    return cases;
}

TEST(GameData, EveryPictureDecodesAtItsSize)
{
    for (const PictureCase& c : everyPicture()) {
        SCOPED_TRACE(std::string(c.package) + " " + c.member);
        SDL_Surface* image = loadMemberImage(c.package, c.member);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->w, c.width);
        EXPECT_EQ(image->h, c.height);
        freeSurface(image);
    }
}

TEST(GameData, PackagesHoldNothingTheGameDoesNotRead)
{
    // A stray member costs nothing at run time but means a name the game asks for is
    // spelled differently somewhere; every member is accounted for here or by tiles.dat.
    std::vector<std::string> expected;
    for (const PictureCase& c : everyPicture()) {
        if (std::string(c.package) == "buildings.pjw") {
            expected.push_back(c.member);
        }
    }
    std::vector<std::string> buildings = membersOf("buildings.pjw");
    std::sort(buildings.begin(), buildings.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(buildings, expected);

    EXPECT_EQ(membersOf("gui.pjw"), (std::vector<std::string>{"palab.ttf", "start_menu.png", "help1.png", "help2.png",
                                                              "help3.png", "topbar.png", "topbar_down.png",
                                                              "scoreboard.png"}));
    EXPECT_EQ(membersOf("sounds.pjw"), (std::vector<std::string>{"christmas.xm", "pop.wav", "build.wav", "walk.wav"}));
    EXPECT_EQ(membersOf("elves.pjw"), (std::vector<std::string>{"worker.png", "geologist.png", "carrier.png"}));
}

TEST(GameData, InterfaceFontOpensAtBothSizesAndRendersTheMenu)
{
    for (int size : {16, 36}) {
        SCOPED_TRACE(size);
        const int width = withExtracted("gui.pjw", "palab.ttf", [size](const std::string& path) {
            TTF_Font* font = TTF_OpenFont(path.c_str(), size);
            int w = 0, h = 0;
            if (font != nullptr) {
                TTF_SizeText(font, "Begin", &w, &h);
                TTF_CloseFont(font);
            }
            return w;
        });
        // The menu's words must fit the sign they stand on (x 100 to 240 at 36 points).
        EXPECT_GT(width, size * 2);
        EXPECT_LT(width, 140);
    }
}

TEST(GameData, SoundsLoadAsSamples)
{
    for (const char* name : {"pop.wav", "build.wav", "walk.wav"}) {
        SCOPED_TRACE(name);
        FSOUND_SAMPLE* sample = withExtracted("sounds.pjw", name, [](const std::string& path) {
            return FSOUND_Sample_Load(FSOUND_FREE, path.c_str(), FSOUND_LOOP_OFF, 0, 0);
        });
        ASSERT_NE(sample, nullptr);
        // Played once, an effect is heard at once and is over within two seconds.
        const int channel = FSOUND_PlaySound(FSOUND_FREE, sample);
        std::vector<int16_t> mix(2 * 4410);
        FSOUNDX_Render(mix.data(), 4410);
        const int peak = *std::max_element(mix.begin(), mix.end(), [](int16_t a, int16_t b) {
            return std::abs(a) < std::abs(b);
        });
        EXPECT_GT(std::abs(peak), 3000);
        for (int i = 0; i < 20 && FSOUND_IsPlaying(channel); ++i) {
            FSOUNDX_Render(mix.data(), 4410);
        }
        EXPECT_FALSE(FSOUND_IsPlaying(channel));
        FSOUND_Sample_Free(sample);
    }
}

}  // namespace
