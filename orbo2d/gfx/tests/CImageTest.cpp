// Images: the vertices and texture coordinates they hand to the renderer.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "GfxTestSupport.h"
#include "gfx/CImage.h"

namespace {

struct SCorner {
    float x, y, u, v;
};

// Draws with one call and returns the four vertices submitted.
std::vector<SVertex> Submitted(SRecordedGfx& r)
{
    r.gfx.EndScene();
    EXPECT_EQ(r.gl.DrawCount(), 1);
    return r.gl.draws.empty() ? std::vector<SVertex>{} : r.gl.draws[0].vertices;
}

void ExpectCorners(const std::vector<SVertex>& got, const std::vector<SCorner>& want)
{
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_NEAR(got[i].x, want[i].x, 1e-4) << "vertex " << i;
        EXPECT_NEAR(got[i].y, want[i].y, 1e-4) << "vertex " << i;
        EXPECT_FLOAT_EQ(got[i].u, want[i].u) << "vertex " << i;
        EXPECT_FLOAT_EQ(got[i].v, want[i].v) << "vertex " << i;
    }
}

TEST(CImage, RenderPlacesTheWholeTextureUpright)
{
    SRecordedGfx r;
    auto texture = MakeTexture(1, 32, 16);
    CImage image(&r.gfx, texture.get());
    EXPECT_FLOAT_EQ(image.GetWidth(), 32);
    EXPECT_FLOAT_EQ(image.GetHeight(), 16);
    image.Render(10, 20);
    ExpectCorners(Submitted(r), {{10, 20, 0, 0}, {10, 36, 0, 1}, {42, 36, 1, 1}, {42, 20, 1, 0}});
    // Created opaque white in blend mode 0.
    EXPECT_FALSE(r.gl.draws[0].blend);
    EXPECT_FALSE(r.gl.draws[0].alphaTest);
    for (const SVertex& v : r.gl.draws[0].vertices) {
        EXPECT_EQ((std::array<float, 4>{v.r, v.g, v.b, v.a}), (std::array<float, 4>{1, 1, 1, 1}));
    }
}

TEST(CImage, RenderRotatedTurnsAboutTheHotSpotAndLaysTheTextureTransposed)
{
    struct Case {
        const char* label;
        float angle;
        std::vector<SCorner> corners;
    };
    const Case cases[] = {
        // The texel at the texture's bottom-left (u 0, v 1) shows at the top-right.
        {"zero", 0.0f, {{84, 84, 0, 0}, {116, 84, 0, 1}, {116, 116, 1, 1}, {84, 116, 1, 0}}},
        // A quarter turn clockwise on screen: the top-left corner goes to the top-right.
        {"quarter", static_cast<float>(M_PI / 2), {{116, 84, 0, 0}, {116, 116, 0, 1}, {84, 116, 1, 1}, {84, 84, 1, 0}}},
    };
    for (const Case& c : cases) {
        SRecordedGfx r;
        auto texture = MakeTexture(1, 32, 32);
        CImage image(&r.gfx, texture.get());
        image.SetHotSpot(16, 16);
        image.RenderRotated(100, 100, c.angle);
        SCOPED_TRACE(c.label);
        ExpectCorners(Submitted(r), c.corners);
    }
}

TEST(CImage, RenderIgnoresTheHotSpot)
{
    SRecordedGfx r;
    auto texture = MakeTexture(1, 8, 8);
    CImage image(&r.gfx, texture.get());
    image.SetHotSpot(4, 4);
    image.Render(0, 0);
    ExpectCorners(Submitted(r), {{0, 0, 0, 0}, {0, 8, 0, 1}, {8, 8, 1, 1}, {8, 0, 1, 0}});
}

TEST(CImage, ClippingSelectsTexelsAndSetsTheSize)
{
    SRecordedGfx r;
    auto texture = MakeTexture(1, 128, 64);
    CImage image(&r.gfx, texture.get());
    image.SetClipping(SRect(64, 0, 32, 32));
    EXPECT_FLOAT_EQ(image.GetWidth(), 32);
    EXPECT_FLOAT_EQ(image.GetHeight(), 32);
    image.Render(0, 0);
    ExpectCorners(Submitted(r), {{0, 0, 0.5f, 0}, {0, 32, 0.5f, 0.5f}, {32, 32, 0.75f, 0.5f}, {32, 0, 0.75f, 0}});

    SRecordedGfx r2;
    CImage clipped(&r2.gfx, texture.get(), SRect(32, 16, 16, 48));
    clipped.Render(1, 1);
    ExpectCorners(Submitted(r2), {{1, 1, 0.25f, 0.25f}, {1, 49, 0.25f, 1}, {17, 49, 0.375f, 1}, {17, 1, 0.375f, 0.25f}});
}

TEST(CImage, SetTextureKeepsSizeCoordinatesColourAndMode)
{
    SRecordedGfx r;
    auto small = MakeTexture(1, 16, 16);
    auto large = MakeTexture(2, 256, 128);
    CImage image(&r.gfx, small.get());
    image.SetClipping(SRect(8, 0, 8, 8));
    image.SetColor(SColor(1, 0.5f, 0.25f, 0.5f));
    image.SetBlend(2);
    image.SetTexture(large.get());
    EXPECT_EQ(image.GetTexture(), large.get());
    EXPECT_FLOAT_EQ(image.GetWidth(), 8);
    image.Render(0, 0);
    ExpectCorners(Submitted(r), {{0, 0, 0.5f, 0}, {0, 8, 0.5f, 0.5f}, {8, 8, 1, 0.5f}, {8, 0, 1, 0}});
    EXPECT_EQ(r.gl.draws[0].texture, 2u);
    EXPECT_TRUE(r.gl.draws[0].blend);
    EXPECT_FLOAT_EQ(r.gl.draws[0].vertices[3].g, 0.5f);
}

TEST(CImage, SetColorTintsEveryVertex)
{
    SRecordedGfx r;
    auto texture = MakeTexture(1);
    CImage image(&r.gfx, texture.get());
    image.SetColor(SColor(0.1f, 0.2f, 0.3f, 0.4f));
    image.RenderRotated(0, 0, 1.0f);
    for (const SVertex& v : Submitted(r)) {
        EXPECT_EQ((std::array<float, 4>{v.r, v.g, v.b, v.a}), (std::array<float, 4>{0.1f, 0.2f, 0.3f, 0.4f}));
    }
}

}  // namespace
