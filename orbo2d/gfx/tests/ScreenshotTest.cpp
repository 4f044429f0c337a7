// Screenshots through the recording table: rows flipped to top-down, PNG written whole or not at all.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <SDL_image.h>

#include "GfxTestSupport.h"
#include "ImageFixtures.h"

namespace {

SPixel PngPixel(SDL_Surface* image, int x, int y)
{
    Uint32 value = 0;
    const Uint8* p = static_cast<const Uint8*>(image->pixels) + y * image->pitch + x * image->format->BytesPerPixel;
    std::memcpy(&value, p, image->format->BytesPerPixel);
    SPixel pixel{0, 0, 0, 255};
    SDL_GetRGBA(value, image->format, &pixel.r, &pixel.g, &pixel.b, &pixel.a);
    return pixel;
}

std::string Contents(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class Screenshot : public ::testing::Test {
protected:
    void SetUp() override
    {
        // OpenGL rows run bottom-up: row 0 is the bottom of the window.
        r.gl.frameWidth = 800;
        r.gl.frameHeight = 600;
        r.gl.frame.assign(800 * 600 * 3, 0);
        for (int x = 0; x < 800; ++x) {
            r.gl.frame[static_cast<std::size_t>(x) * 3 + 0] = 255;                 // bottom row red
            r.gl.frame[(599 * 800 + static_cast<std::size_t>(x)) * 3 + 2] = 255;   // top row blue
        }
        r.gl.frame[(300 * 800 + 799) * 3 + 1] = 200;  // one green pixel at the right edge
    }

    CTempDir dir;
    SRecordedGfx r;
};

TEST_F(Screenshot, WritesTheFrontBufferTopRowFirst)
{
    const std::string path = dir.Path("shot.png");
    ASSERT_TRUE(r.gfx.SaveScreenshot(path));
    EXPECT_EQ(r.gl.readBuffer, static_cast<GLenum>(GL_BACK)) << "the read buffer is put back";
    EXPECT_NE(std::find(r.gl.calls.begin(), r.gl.calls.end(), "ReadBuffer(GL_FRONT)"), r.gl.calls.end());
    SDL_Surface* image = IMG_Load(path.c_str());
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->w, 800);
    EXPECT_EQ(image->h, 600);
    SDL_LockSurface(image);
    EXPECT_EQ(PngPixel(image, 10, 0), (SPixel{0, 0, 255, 255}));
    EXPECT_EQ(PngPixel(image, 10, 599), (SPixel{255, 0, 0, 255}));
    EXPECT_EQ(PngPixel(image, 799, 299), (SPixel{0, 200, 0, 255}));
    EXPECT_EQ(PngPixel(image, 400, 300), (SPixel{0, 0, 0, 255}));
    SDL_UnlockSurface(image);
    SDL_FreeSurface(image);
}

TEST_F(Screenshot, SameFrameGivesTheSameBytes)
{
    ASSERT_TRUE(r.gfx.SaveScreenshot(dir.Path("one.png")));
    ASSERT_TRUE(r.gfx.SaveScreenshot(dir.Path("two.png")));
    EXPECT_EQ(Contents(dir.Path("one.png")), Contents(dir.Path("two.png")));
}

TEST_F(Screenshot, OddWidthRowsArePaddedAsOpenGLWritesThem)
{
    RecordingGL gl;
    gl.frameWidth = 3;
    gl.frameHeight = 2;
    gl.frame = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18};
    CGFX gfx(3, 2, 32, false, gl);
    const std::string path = dir.Path("odd.png");
    ASSERT_TRUE(gfx.SaveScreenshot(path));
    SDL_Surface* image = IMG_Load(path.c_str());
    ASSERT_NE(image, nullptr);
    SDL_LockSurface(image);
    EXPECT_EQ(PngPixel(image, 0, 0), (SPixel{10, 11, 12, 255}));
    EXPECT_EQ(PngPixel(image, 2, 0), (SPixel{16, 17, 18, 255}));
    EXPECT_EQ(PngPixel(image, 2, 1), (SPixel{7, 8, 9, 255}));
    SDL_UnlockSurface(image);
    SDL_FreeSurface(image);
}

TEST_F(Screenshot, UnwritablePathFailsAndLeavesNothing)
{
    const std::string missingDir = dir.Path("no/such/dir/shot.png");
    EXPECT_FALSE(r.gfx.SaveScreenshot(missingDir));
    EXPECT_FALSE(std::filesystem::exists(missingDir));
    EXPECT_FALSE(r.gfx.SaveScreenshot(""));
    // A directory in the way of the final name: the side file must not be left behind.
    std::filesystem::create_directory(dir.Path("taken"));
    EXPECT_FALSE(r.gfx.SaveScreenshot(dir.Path("taken")));
    EXPECT_FALSE(std::filesystem::exists(dir.Path("taken.part")));
}

}  // namespace
