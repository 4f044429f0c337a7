// Surface helpers, Image and Font on SDL's dummy video driver, read back from memory.
#include "jwe/Surfaces.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "TempFolder.h"
#include "jwe/Exceptions.h"
#include "jwe/Font.h"
#include "jwe/Image.h"
#include "jwe/Screen.h"

namespace {

const char* const testFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

class SurfacesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        screen.init(SDL_INIT_VIDEO, 640, 480, 24, SDL_SWSURFACE);
        TTF_Init();
    }
    static void TearDownTestSuite() { TTF_Quit(); }

    static SDL_Surface* solid(int width, int height, Uint8 r, Uint8 g, Uint8 b)
    {
        SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 32, 0xFF0000, 0xFF00, 0xFF, 0);
        SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, r, g, b));
        return s;
    }
    static void rgbAt(SDL_Surface* s, int x, int y, Uint8& r, Uint8& g, Uint8& b)
    {
        lockSurface(s);
        SDL_GetRGB(getPixel(s, x, y), s->format, &r, &g, &b);
        unlockSurface(s);
    }
    static int litPixels(SDL_Surface* s)
    {
        int lit = 0;
        for (int y = 0; y < s->h; ++y)
            for (int x = 0; x < s->w; ++x) {
                Uint8 r, g, b;
                rgbAt(s, x, y, r, g, b);
                lit += (r | g | b) != 0;
            }
        return lit;
    }
    TempFolder folder;
};

TEST_F(SurfacesTest, GetPixelReadsEveryDepthAndByteOrder)
{
    const struct {
        const char* label;
        int depth;
        Uint32 rMask, gMask, bMask;
    } layouts[] = {
        {"24-bit, red byte last", 24, 0xFF0000, 0x00FF00, 0x0000FF},
        {"24-bit, red byte first", 24, 0x0000FF, 0x00FF00, 0xFF0000},
        {"32-bit", 32, 0xFF0000, 0x00FF00, 0x0000FF},
        {"16-bit", 16, 0xF800, 0x07E0, 0x001F},
    };
    for (const auto& l : layouts) {
        SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 3, l.depth, l.rMask, l.gMask, l.bMask, 0);
        ASSERT_NE(s, nullptr) << l.label;
        const Uint32 colour = SDL_MapRGB(s->format, 0xF8, 0x40, 0x08);
        SDL_Rect one{2, 1, 1, 1};
        SDL_FillRect(s, &one, colour);
        ASSERT_TRUE(lockSurface(s));
        EXPECT_EQ(getPixel(s, 2, 1), colour) << l.label;
        EXPECT_EQ(getPixel(s, 1, 1), SDL_MapRGB(s->format, 0, 0, 0)) << l.label;
        unlockSurface(s);
        SDL_FreeSurface(s);
    }
    // Red last in memory: the bytes at the pixel are blue, green, red.
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 2, 1, 24, 0xFF0000, 0x00FF00, 0x0000FF, 0);
    Uint8* p = static_cast<Uint8*>(s->pixels) + 3;
    p[0] = 0x11;
    p[1] = 0x22;
    p[2] = 0x33;
    EXPECT_EQ(getPixel(s, 1, 0), SDL_MapRGB(s->format, 0x33, 0x22, 0x11));
    SDL_FreeSurface(s);
}

TEST_F(SurfacesTest, BlitClipsAtTheTargetEdgesAndFillCoversAll)
{
    SDL_Surface* target = solid(8, 8, 0, 0, 0);
    SDL_Surface* source = solid(4, 4, 255, 0, 0);
    blit(source, target, 6, -2);
    const struct {
        int x, y;
        bool red;
    } probes[] = {{6, 0, true}, {7, 1, true}, {5, 1, false}, {6, 2, false}, {0, 0, false}};
    for (const auto& p : probes) {
        Uint8 r, g, b;
        rgbAt(target, p.x, p.y, r, g, b);
        EXPECT_EQ(r == 255, p.red) << p.x << "," << p.y;
    }
    fill(target, 1, 2, 3);
    Uint8 r, g, b;
    rgbAt(target, 7, 7, r, g, b);
    EXPECT_EQ((std::array<int, 3>{r, g, b}), (std::array<int, 3>{1, 2, 3}));
    SDL_FreeSurface(source);
    SDL_FreeSurface(target);
}

TEST_F(SurfacesTest, ImageLoadsDrawsAndFrees)
{
    SDL_Surface* picture = solid(3, 2, 0, 255, 0);
    const std::string file = folder.file("picture.bmp");
    ASSERT_EQ(SDL_SaveBMP(picture, file.c_str()), 0);
    SDL_FreeSurface(picture);

    SDL_Surface* target = solid(5, 5, 0, 0, 0);
    Image image;
    image.draw(target, 0, 0);  // never loaded: nothing drawn, no failure
    EXPECT_EQ(litPixels(target), 0);
    image.load(file);
    ASSERT_NE(image.surface(), nullptr);
    EXPECT_EQ(image.surface()->format->BitsPerPixel, screen.surface()->format->BitsPerPixel);
    image.draw(target, 1, 1);
    EXPECT_EQ(litPixels(target), 6);
    image.free();
    EXPECT_EQ(image.surface(), nullptr);
    fill(target, 0, 0, 0);
    image.draw(target, 0, 0);
    EXPECT_EQ(litPixels(target), 0);
    SDL_FreeSurface(target);
}

TEST_F(SurfacesTest, UnreadablePicturesFailNamingTheFile)
{
    const std::string file = folder.write("temp.tmp", "not a picture");
    EXPECT_EQ(loadImage(file), nullptr);
    Image image;
    try {
        image.load(file);
        FAIL() << "no failure";
    } catch (const FileLoadingFailed& failure) {
        EXPECT_EQ(std::string(failure.what()), "Failed to load file \"" + file + "\".");
        EXPECT_FALSE(failure.getDetail().empty());
    }
    EXPECT_EQ(image.surface(), nullptr);
}

TEST_F(SurfacesTest, FontDrawsTextAndNothingForAnEmptyText)
{
    Font font16;
    font16.open(testFont, 16);
    font16.open(testFont, 36);  // reopening releases the first font
    EXPECT_EQ(font16.size(), 36);
    EXPECT_EQ(font16.fileName(), testFont);
    SDL_Surface* target = solid(200, 60, 0, 0, 0);
    font16.draw(target, 0, 0, "", 255, 255, 255);
    EXPECT_EQ(litPixels(target), 0);
    font16.draw(target, 5, 5, "Begin", 255, 128, 128);
    EXPECT_GT(litPixels(target), 50);
    Uint8 r, g, b;
    rgbAt(target, 1, 1, r, g, b);  // left of the text's box: untouched
    EXPECT_EQ(r + g + b, 0);
    font16.close();
    EXPECT_EQ(font16.ttfFont(), nullptr);
    fill(target, 0, 0, 0);
    font16.draw(target, 5, 5, "closed", 255, 255, 255);
    EXPECT_EQ(litPixels(target), 0);
    SDL_FreeSurface(target);
}

TEST_F(SurfacesTest, MissingFontFailsNamingTheFile)
{
    Font missing;
    try {
        missing.open(folder.file("guifont.ttf"), 16);
        FAIL() << "no failure";
    } catch (const FileLoadingFailed& failure) {
        EXPECT_EQ(std::string(failure.what()), "Failed to load file \"" + folder.file("guifont.ttf") + "\".");
        EXPECT_FALSE(failure.getDetail().empty());
    }
}

TEST_F(SurfacesTest, FreeSurfaceClearsThePointer)
{
    SDL_Surface* s = solid(1, 1, 0, 0, 0);
    freeSurface(s);
    EXPECT_EQ(s, nullptr);
    freeSurface(s);  // a second time does nothing
}

}  // namespace
