// The interface pictures leave readable room for the texts the game draws on them, and
// the pressed top bar differs from the plain one only on its menu button.
#include <SDL.h>
#include <gtest/gtest.h>

#include <string>

#include "PackageFixture.h"
#include "PictureChecks.h"
#include "jwe/Surfaces.h"

namespace {

struct TextArea {
    const char* member;
    Area area;
    Rgb ink;
    const char* what;
};

// Where the game writes and in which colour; the contrast of at least 4.5 is what makes
// small text easy to read.
const TextArea textAreas[] = {
    {"topbar.png", {211, 8, 255, 26}, {217, 217, 217}, "money"},
    {"topbar.png", {336, 8, 380, 26}, {217, 217, 217}, "wood"},
    {"topbar.png", {449, 8, 493, 26}, {217, 217, 217}, "steel"},
    {"topbar.png", {583, 8, 627, 26}, {217, 217, 217}, "plastic"},
    {"topbar_down.png", {211, 8, 255, 26}, {217, 217, 217}, "money, menu open"},
    {"start_menu.png", {100, 305, 218, 445}, {255, 0, 0}, "the menu items"},
    {"start_menu.png", {100, 305, 218, 445}, {255, 128, 128}, "the highlighted menu item"},
    {"scoreboard.png", {330, 75, 600, 374}, {255, 255, 255}, "the best scores"},
    {"scoreboard.png", {40, 320, 290, 408}, {255, 255, 255}, "score and name entry"},
    {"scoreboard.png", {50, 435, 300, 453}, {255, 255, 255}, "the Escape line"},
    {"scoreboard.png", {400, 420, 628, 458}, {255, 255, 255}, "the score page's address"},
};

TEST(InterfacePictures, TextAreasContrastWithTheirText)
{
    for (const TextArea& t : textAreas) {
        SCOPED_TRACE(std::string(t.member) + ": " + t.what);
        SDL_Surface* s = loadMemberImage("gui.pjw", t.member);
        ASSERT_NE(s, nullptr);
        // The menu's red is a display colour, not body text: 3 is the large-text threshold.
        const double needed = std::string(t.member) == "start_menu.png" ? 3.0 : 4.5;
        EXPECT_GE(contrast(meanColour(s, t.area), t.ink), needed);
        freeSurface(s);
    }
}

TEST(InterfacePictures, PressedTopBarDiffersOnlyOnTheMenuButton)
{
    SDL_Surface* plain = loadMemberImage("gui.pjw", "topbar.png");
    SDL_Surface* pressed = loadMemberImage("gui.pjw", "topbar_down.png");
    ASSERT_NE(plain, nullptr);
    ASSERT_NE(pressed, nullptr);
    int inside = 0, outside = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 640; ++x) {
            const bool onButton = x >= 7 && x <= 138 && y >= 4 && y <= 24;
            const bool differs = !(colourAt(plain, x, y) == colourAt(pressed, x, y));
            (onButton ? inside : outside) += differs ? 1 : 0;
        }
    }
    EXPECT_GT(inside, 1000) << "the pressed button must look pressed";
    EXPECT_EQ(outside, 0);
    freeSurface(plain);
    freeSurface(pressed);
}

TEST(InterfacePictures, HelpPagesAreThreeDifferentPages)
{
    SDL_Surface* pages[3];
    for (int i = 0; i < 3; ++i) {
        pages[i] = loadMemberImage("gui.pjw", "help" + std::to_string(i + 1) + ".png");
        ASSERT_NE(pages[i], nullptr);
    }
    for (int i = 0; i < 3; ++i) {
        EXPECT_GT(differingPixels(pages[i], pages[(i + 1) % 3]), 20000) << "help" << i + 1;
    }
    for (SDL_Surface*& page : pages) {
        freeSurface(page);
    }
}

}  // namespace
