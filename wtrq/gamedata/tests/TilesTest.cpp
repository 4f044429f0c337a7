// The tile list and the tile pictures: the list is in the exact form the map loader reads,
// obstacles show the ground through their background, and ground tiles join seamlessly.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "PackageFixture.h"
#include "PictureChecks.h"
#include "jwe/Surfaces.h"
#include "jwe/Utilities.h"

namespace {

struct TileLine {
    std::string image, kind, background;
};

std::vector<TileLine> tileList()
{
    const std::string text = memberBytes("tiles.pjw", "tiles.dat");
    std::vector<TileLine> lines;
    for (const std::string& line : split(text, "\n", -1)) {
        const std::vector<std::string> fields = split(line, "|", 16);
        lines.push_back({fields[0], fields.size() > 1 ? fields[1] : "", fields.size() > 2 ? fields[2] : ""});
    }
    return lines;
}

TEST(TileList, IsInTheFormTheMapLoaderReads)
{
    const std::string text = memberBytes("tiles.pjw", "tiles.dat");
    ASSERT_FALSE(text.empty());
    // The loader reads line by line until the end: a final line break would be an empty
    // line naming no member, and a carriage return would end up in a member name.
    EXPECT_NE(text.back(), '\n');
    EXPECT_EQ(text.find('\r'), std::string::npos);
    EXPECT_EQ(text.find("\n\n"), std::string::npos);

    const std::vector<std::string> members = membersOf("tiles.pjw");
    int ground = 0, obstacles = 0;
    for (const std::string& line : split(text, "\n", -1)) {
        SCOPED_TRACE(line);
        const std::vector<std::string> fields = split(line, "|", 16);
        ASSERT_GE(fields.size(), 3u);
        EXPECT_NE(std::find(members.begin(), members.end(), fields[0]), members.end()) << "no such member";
        (fields[1] == "no" ? obstacles : ground) += 1;
        if (fields[1] == "no") {
            EXPECT_EQ(fields[2], "nonbg") << "an obstacle without a transparent background hides the ground";
        }
    }
    // With no type of either kind the map could not be generated.
    EXPECT_GE(ground, 1);
    EXPECT_GE(obstacles, 1);
    // Every picture in the package is one the list names.
    EXPECT_EQ(members.size(), tileList().size() + 1);
}

TEST(TilePictures, ObstaclesAreKeyedOnTheirTopLeftPixel)
{
    for (const TileLine& line : tileList()) {
        SCOPED_TRACE(line.image);
        SDL_Surface* s = loadMemberImage("tiles.pjw", line.image);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->w, 32);
        EXPECT_EQ(s->h, 32);
        if (line.background == "nonbg") {
            // As the map loader does it: the top-left pixel's value becomes the colour key.
            const Rgb key = colourAt(s, 0, 0);
            int transparent = 0;
            for (int y = 0; y < 32; ++y) {
                for (int x = 0; x < 32; ++x) {
                    transparent += colourAt(s, x, y) == key ? 1 : 0;
                }
            }
            EXPECT_GT(transparent, 1024 * 15 / 100) << "the ground should show around it";
            EXPECT_LT(transparent, 1024 * 85 / 100) << "hardly anything drawn";
        } else {
            EXPECT_EQ(keyedPixels(s), 0) << "an opaque ground tile with magenta in it";
        }
        freeSurface(s);
    }
}

TEST(TilePictures, GroundTilesShareOneSeamlessBorder)
{
    SDL_Surface* first = nullptr;
    for (const TileLine& line : tileList()) {
        if (line.kind == "no") {
            continue;
        }
        SCOPED_TRACE(line.image);
        SDL_Surface* s = loadMemberImage("tiles.pjw", line.image);
        ASSERT_NE(s, nullptr);
        if (first == nullptr) {
            first = s;
            // The snow wraps around: opposite edges meet without a visible step.
            for (int i = 0; i < 32; ++i) {
                const Rgb pairs[2][2] = {{colourAt(s, 0, i), colourAt(s, 31, i)}, {colourAt(s, i, 0), colourAt(s, i, 31)}};
                for (const auto& pair : pairs) {
                    EXPECT_LE(std::abs(pair[0].r - pair[1].r) + std::abs(pair[0].g - pair[1].g) +
                                  std::abs(pair[0].b - pair[1].b),
                              18)
                        << "at " << i;
                }
            }
            continue;
        }
        // Any two ground tiles may lie side by side, so their borders are the same snow.
        int different = 0;
        for (int i = 0; i < 32; ++i) {
            for (const auto& [x, y] : {std::pair{0, i}, std::pair{31, i}, std::pair{i, 0}, std::pair{i, 31}}) {
                different += colourAt(s, x, y) == colourAt(first, x, y) ? 0 : 1;
            }
        }
        EXPECT_EQ(different, 0);
        freeSurface(s);
    }
    freeSurface(first);
}

}  // namespace
