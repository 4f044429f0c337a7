// The renderer on real OpenGL in a window: draw, read the frame back as a screenshot, check pixels.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <SDL_image.h>

#include "ImageFixtures.h"
#include "gfx/CFont.h"
#include "gfx/CGFX.h"
#include "gfx/CImage.h"

namespace {

const int kWidth = 160;
const int kHeight = 120;

struct SFrame {
    int width = 0;
    int height = 0;
    std::vector<SPixel> pixels;
    SPixel At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

::testing::AssertionResult Near(const SPixel& got, const SPixel& want, int tolerance = 8)
{
    const int d[3] = {got.r - want.r, got.g - want.g, got.b - want.b};
    for (int c : d) {
        if (std::abs(c) > tolerance) {
            return ::testing::AssertionFailure() << "got (" << int(got.r) << ", " << int(got.g) << ", " << int(got.b)
                                                 << ") want (" << int(want.r) << ", " << int(want.g) << ", "
                                                 << int(want.b) << ")";
        }
    }
    return ::testing::AssertionSuccess();
}

// A quad from (0, 0) to (width, height) showing the whole texture once.
SQuad Stretched(float width, float height)
{
    SQuad quad;
    const float corners[4][2] = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};
    for (int i = 0; i < 4; ++i) {
        quad.v[i].x = corners[i][0] * width;
        quad.v[i].y = corners[i][1] * height;
        quad.v[i].u = corners[i][0];
        quad.v[i].v = corners[i][1];
    }
    return quad;
}

class GfxWindow : public ::testing::Test {
protected:
    void SetUp() override { gfx = std::make_unique<CGFX>(kWidth, kHeight, 32, false); }

    // The frame last shown, through the screenshot path.
    SFrame Capture()
    {
        SFrame frame;
        const std::string path = dir.Path("frame.png");
        if (!gfx->SaveScreenshot(path)) {
            ADD_FAILURE() << "screenshot failed";
            return frame;
        }
        SDL_Surface* image = IMG_Load(path.c_str());
        if (image == nullptr) {
            ADD_FAILURE() << "screenshot unreadable";
            return frame;
        }
        frame.width = image->w;
        frame.height = image->h;
        SDL_LockSurface(image);
        for (int y = 0; y < image->h; ++y) {
            for (int x = 0; x < image->w; ++x) {
                const Uint8* p = static_cast<const Uint8*>(image->pixels) + y * image->pitch + x * 3;
                frame.pixels.push_back(SPixel{p[0], p[1], p[2], 255});
            }
        }
        SDL_UnlockSurface(image);
        SDL_FreeSurface(image);
        return frame;
    }

    STexture* Load(const std::string& name, int width, int height, const std::vector<SPixel>& pixels)
    {
        const std::string path = dir.Path(name);
        EXPECT_TRUE(WriteRgbaPng(path, width, height, pixels));
        return gfx->GetTexture(path);
    }

    // A background quad of one opaque colour over the whole window.
    void Background(const SPixel& colour)
    {
        STexture* plain = Load("plain" + std::to_string(colour.r) + ".png", 2, 2, std::vector<SPixel>(4, colour));
        ASSERT_NE(plain, nullptr);
        CImage image(gfx.get(), plain);
        image.SetClipping(SRect(0, 0, kWidth, kHeight));
        image.Render(0, 0);
    }

    CTempDir dir;
    std::unique_ptr<CGFX> gfx;
};

TEST_F(GfxWindow, ClearedFrameReadsBackInTheClearColour)
{
    gfx->BeginScene(SColor(1, 0, 0, 1), true);
    gfx->EndScene();
    SFrame red = Capture();
    ASSERT_EQ(red.width, kWidth);
    ASSERT_EQ(red.height, kHeight);
    EXPECT_TRUE(Near(red.At(0, 0), {255, 0, 0, 255}, 0));
    EXPECT_TRUE(Near(red.At(kWidth - 1, kHeight - 1), {255, 0, 0, 255}, 0));

    gfx->BeginScene(SColor(0, 0, 0, 1), true);
    gfx->EndScene();
    SFrame black = Capture();
    for (const SPixel& pixel : black.pixels) {
        ASSERT_TRUE(Near(pixel, {0, 0, 0, 255}, 0));
    }
}

class GfxWindowFormats : public GfxWindow, public ::testing::WithParamInterface<SFixture> {};

TEST_P(GfxWindowFormats, OpaqueQuadShowsTheTexturesColours)
{
    const SFixture& fixture = GetParam();
    const std::string path = dir.Path(std::string(fixture.label) + (fixture.kind >= EFixtureKind::Bmp24 ? ".bmp" : ".png"));
    ASSERT_TRUE(WriteFixture(path, fixture.kind));
    STexture* texture = gfx->GetTexture(path);
    ASSERT_NE(texture, nullptr);
    // 3 x 2 texels, 32 pixels each, sampled at the texel centres.
    SQuad quad = Stretched(96, 64);
    gfx->BeginScene(SColor(0, 0, 0, 1), true);
    gfx->RenderTextureQuad(texture, quad, 0);
    gfx->EndScene();
    const SFrame frame = Capture();
    const std::vector<SPixel> expected = FixturePixels(fixture.kind);
    for (int i = 0; i < 6; ++i) {
        EXPECT_TRUE(Near(frame.At(16 + 32 * (i % 3), 16 + 32 * (i / 3)), expected[static_cast<std::size_t>(i)]))
            << fixture.label << " texel " << i;
    }
    EXPECT_TRUE(Near(frame.At(120, 100), {0, 0, 0, 255}, 0)) << "outside the quad stays cleared";
}

std::vector<SFixture> OpaqueFixtures()
{
    std::vector<SFixture> opaque;
    for (const SFixture& fixture : AllFixtures()) {
        if (fixture.components == 3) {
            opaque.push_back(fixture);
        }
    }
    return opaque;
}

INSTANTIATE_TEST_SUITE_P(Files, GfxWindowFormats, ::testing::ValuesIn(OpaqueFixtures()),
                         [](const ::testing::TestParamInfo<SFixture>& info) { return std::string(info.param.label); });

// Eight texels wide: the left half fully transparent red, then opaque blue, half-transparent
// blue, opaque blue; wide runs so filtering never mixes the halves where we look.
std::vector<SPixel> HalfTransparent()
{
    std::vector<SPixel> pixels;
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 8; ++x) {
            pixels.push_back(x < 4 ? SPixel{255, 0, 0, 0} : SPixel{0, 0, 255, static_cast<std::uint8_t>(x == 6 ? 128 : 255)});
        }
    }
    return pixels;
}

TEST_F(GfxWindow, FirstDrawInModeOneDropsTransparentTexels)
{
    STexture* texture = Load("half.png", 8, 2, HalfTransparent());
    ASSERT_NE(texture, nullptr);
    // The renderer's first draw ever: the starting mode 1 must already be in force.
    SQuad quad = Stretched(128, 32);
    gfx->BeginScene(SColor(0, 1, 0, 1), true);
    gfx->RenderTextureQuad(texture, quad, 1);
    gfx->EndScene();
    const SFrame frame = Capture();
    EXPECT_TRUE(Near(frame.At(24, 16), {0, 255, 0, 255}, 0)) << "transparent texels are dropped";
    EXPECT_TRUE(Near(frame.At(40, 16), {0, 255, 0, 255}, 0));
    EXPECT_TRUE(Near(frame.At(72, 16), {0, 0, 255, 255}, 0));
    EXPECT_TRUE(Near(frame.At(104, 16), {0, 0, 255, 255}, 0)) << "half-transparent texels are drawn opaque";
}

TEST_F(GfxWindow, ModeTwoBlendsHalfTransparentTexels)
{
    STexture* shade = Load("shade.png", 4, 4, std::vector<SPixel>(16, SPixel{0, 0, 0, 128}));
    ASSERT_NE(shade, nullptr);
    gfx->BeginScene(SColor(0, 0, 0, 1), true);
    Background({255, 255, 255, 255});
    // The second copy is faded by its vertex alpha as well.
    CImage plain(gfx.get(), shade);
    plain.SetBlend(2);
    plain.SetClipping(SRect(0, 0, 40, 40));
    CImage faded(gfx.get(), shade);
    faded.SetBlend(2);
    faded.SetClipping(SRect(0, 0, 40, 40));
    faded.SetColor(SColor(1, 1, 1, 0.5f));
    plain.Render(0, 0);
    faded.Render(80, 0);
    gfx->EndScene();
    const SFrame frame = Capture();
    EXPECT_TRUE(Near(frame.At(20, 20), {127, 127, 127, 255}, 3)) << "half-transparent black over white";
    EXPECT_TRUE(Near(frame.At(100, 20), {191, 191, 191, 255}, 3)) << "vertex alpha fades it further";
    EXPECT_TRUE(Near(frame.At(60, 20), {255, 255, 255, 255}, 0));
}

TEST_F(GfxWindow, FontTextShowsGlyphPixels)
{
    // A 128 x 128 font image with only the cell of 'A' (column 1, row 4) filled.
    std::vector<SPixel> pixels(128 * 128, SPixel{0, 0, 0, 0});
    for (int y = 60; y < 75; ++y) {
        for (int x = 8; x < 16; ++x) {
            pixels[static_cast<std::size_t>(y * 128 + x)] = SPixel{255, 255, 0, 255};
        }
    }
    STexture* texture = Load("font.png", 128, 128, pixels);
    ASSERT_NE(texture, nullptr);
    CFont font(gfx.get(), texture);
    gfx->BeginScene(SColor(0, 0, 0, 1), true);
    font.RenderText(10, 20, "A%cA", 'B');
    gfx->EndScene();
    const SFrame frame = Capture();
    const SPixel yellow{255, 255, 0, 255};
    const SPixel black{0, 0, 0, 255};
    EXPECT_TRUE(Near(frame.At(14, 27), yellow, 0)) << "first A";
    EXPECT_TRUE(Near(frame.At(22, 27), black, 0)) << "B's cell is empty";
    EXPECT_TRUE(Near(frame.At(30, 27), yellow, 0)) << "third character, 16 pixels on";
    EXPECT_TRUE(Near(frame.At(14, 10), black, 0)) << "above the line";
    EXPECT_TRUE(Near(frame.At(14, 40), black, 0)) << "below the 15-pixel line";
}

}  // namespace
