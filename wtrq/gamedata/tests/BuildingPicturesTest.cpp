// The building and elf pictures: magenta is their only transparent colour, the tiles of a
// building join, the working frames move, and the three elves look different.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "PackageFixture.h"
#include "PictureChecks.h"
#include "jwe/Surfaces.h"

namespace {

struct BuildingCase {
    const char* type;
    int columns, rows;
    std::vector<std::string> resting;  // slot order: row by row
    std::vector<std::string> frames;
    int animatedSlot;
};

const std::vector<BuildingCase> buildingTypes = {
    {"office", 1, 1, {"office.png"}, {}, 0},
    {"woodworker", 1, 1, {"woodworker.png"},
     {"woodworkerw1.png", "woodworkerw2.png", "woodworkerw3.png", "woodworkerw4.png"}, 0},
    {"factory", 2, 1, {"factory1.png", "factory2.png"}, {"factory2w1.png", "factory2w2.png"}, 1},
    {"plastics", 2, 2, {"plastics1.png", "plastics2.png", "plastics3.png", "plastics4.png"},
     {"plastics1w1.png", "plastics1w2.png"}, 0},
    {"foundry", 3, 1, {"foundry1.png", "foundry2.png", "foundry3.png"},
     {"foundry3w1.png", "foundry3w2.png", "foundry3w3.png"}, 2},
    {"mine", 1, 2, {"mine1.png", "mine2.png"}, {"mine1w1.png", "mine1w2.png"}, 0},
    {"iron", 1, 1, {"iron.png"}, {}, 0},
    {"oil", 1, 1, {"oil.png"}, {}, 0},
};

// Owns the decoded pictures of one test.
class Pictures {
public:
    SDL_Surface* load(const std::string& package, const std::string& member)
    {
        surfaces.push_back(loadMemberImage(package, member));
        return surfaces.back();
    }
    ~Pictures()
    {
        for (SDL_Surface*& s : surfaces) {
            freeSurface(s);
        }
    }

private:
    std::vector<SDL_Surface*> surfaces;
};

// Pinkish pixels that are not the key itself: the fringe a smoothed edge leaves behind,
// which the game would draw as a pink halo around the sprite.
int nearKeyPixels(SDL_Surface* s)
{
    int n = 0;
    for (int y = 0; y < s->h; ++y) {
        for (int x = 0; x < s->w; ++x) {
            const Rgb c = colourAt(s, x, y);
            n += !isKey(c) && c.r > 190 && c.b > 190 && c.g < 90 ? 1 : 0;
        }
    }
    return n;
}

// Positions along the edge shared by two neighbouring tiles where both are opaque.
int sharedEdge(SDL_Surface* first, SDL_Surface* second, bool sideBySide)
{
    int n = 0;
    for (int i = 0; i < 32; ++i) {
        const Rgb a = sideBySide ? colourAt(first, 31, i) : colourAt(first, i, 31);
        const Rgb b = sideBySide ? colourAt(second, 0, i) : colourAt(second, i, 0);
        n += !isKey(a) && !isKey(b) ? 1 : 0;
    }
    return n;
}

TEST(BuildingPictures, MagentaIsTheOnlyTransparencyAndLeavesNoFringe)
{
    Pictures pictures;
    for (const BuildingCase& type : buildingTypes) {
        std::vector<std::string> names = type.resting;
        names.insert(names.end(), type.frames.begin(), type.frames.end());
        for (const std::string& name : names) {
            SCOPED_TRACE(name);
            SDL_Surface* s = pictures.load("buildings.pjw", name);
            ASSERT_NE(s, nullptr);
            const int keyed = keyedPixels(s);
            EXPECT_GT(keyed, 0) << "no transparent pixel: the ground would never show around it";
            EXPECT_GT(32 * 32 - keyed, 120) << "hardly anything drawn";
            EXPECT_EQ(nearKeyPixels(s), 0);
        }
    }
}

TEST(BuildingPictures, TilesOfABuildingJoinAcrossEverySeam)
{
    Pictures pictures;
    for (const BuildingCase& type : buildingTypes) {
        SCOPED_TRACE(type.type);
        std::vector<SDL_Surface*> tiles;
        for (const std::string& name : type.resting) {
            tiles.push_back(pictures.load("buildings.pjw", name));
            ASSERT_NE(tiles.back(), nullptr);
        }
        // Every working frame stands in for its slot and must join the neighbours too.
        std::vector<std::vector<SDL_Surface*>> looks = {tiles};
        for (const std::string& name : type.frames) {
            looks.push_back(tiles);
            looks.back()[type.animatedSlot] = pictures.load("buildings.pjw", name);
            ASSERT_NE(looks.back()[type.animatedSlot], nullptr);
        }
        for (const auto& look : looks) {
            for (int row = 0; row < type.rows; ++row) {
                for (int col = 0; col < type.columns; ++col) {
                    SDL_Surface* here = look[row * type.columns + col];
                    if (col + 1 < type.columns) {
                        EXPECT_GE(sharedEdge(here, look[row * type.columns + col + 1], true), 8)
                            << "seam right of column " << col << ", row " << row;
                    }
                    if (row + 1 < type.rows) {
                        EXPECT_GE(sharedEdge(here, look[(row + 1) * type.columns + col], false), 8)
                            << "seam below column " << col << ", row " << row;
                    }
                }
            }
        }
    }
}

TEST(BuildingPictures, WorkingFramesMoveFromFrameToFrameAndDifferFromTheRestingLook)
{
    Pictures pictures;
    for (const BuildingCase& type : buildingTypes) {
        if (type.frames.empty()) {
            continue;
        }
        SCOPED_TRACE(type.type);
        SDL_Surface* resting = pictures.load("buildings.pjw", type.resting[type.animatedSlot]);
        std::vector<SDL_Surface*> frames;
        for (const std::string& name : type.frames) {
            frames.push_back(pictures.load("buildings.pjw", name));
            ASSERT_NE(frames.back(), nullptr);
        }
        ASSERT_NE(resting, nullptr);
        for (size_t k = 0; k < frames.size(); ++k) {
            EXPECT_GE(differingPixels(frames[k], resting), 8) << type.frames[k] << " looks like the resting tile";
            SDL_Surface* next = frames[(k + 1) % frames.size()];
            EXPECT_GE(differingPixels(frames[k], next), 8) << type.frames[k] << " shows no motion to the next frame";
        }
    }
}

// Pixels where one elf shows something clearly different from the other: its outline
// covers the spot and the other's does not, or both do in clearly different colours.
int visiblyDifferent(SDL_Surface* a, SDL_Surface* b)
{
    int n = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const Rgb p = colourAt(a, x, y), q = colourAt(b, x, y);
            if (isKey(p) != isKey(q)) {
                ++n;
            } else if (!isKey(p) && std::hypot(p.r - q.r, p.g - q.g, p.b - q.b) > 80) {
                ++n;
            }
        }
    }
    return n;
}

TEST(ElfPictures, EachElfIsKeyedAndTheThreeDifferInShapeAndColour)
{
    Pictures pictures;
    const char* names[] = {"worker.png", "geologist.png", "carrier.png"};
    std::vector<SDL_Surface*> elves;
    for (const char* name : names) {
        SCOPED_TRACE(name);
        SDL_Surface* s = pictures.load("elves.pjw", name);
        ASSERT_NE(s, nullptr);
        const int keyed = keyedPixels(s);
        EXPECT_GT(keyed, 400) << "an elf stands on the map with the ground around it";
        EXPECT_GT(32 * 32 - keyed, 150);
        EXPECT_EQ(nearKeyPixels(s), 0);
        elves.push_back(s);
    }
    // An elf's body is some 250 pixels; a third of it must differ to tell them apart.
    for (size_t i = 0; i < elves.size(); ++i) {
        for (size_t j = i + 1; j < elves.size(); ++j) {
            EXPECT_GT(visiblyDifferent(elves[i], elves[j]), 90) << names[i] << " and " << names[j];
        }
    }
}

}  // namespace
