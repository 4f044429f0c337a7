// Bitmap fonts: glyph cells, pen advance, the 255-character cut and the single batch.
#include <gtest/gtest.h>

#include <string>

#include "GfxTestSupport.h"
#include "gfx/CFont.h"

namespace {

// The cell a glyph quad was cut from, from its top-left texture coordinate.
int CellOf(const SVertex* quad)
{
    const int column = static_cast<int>(quad[0].u / 0.0625f + 0.5f);
    const int row = static_cast<int>(quad[0].v / 0.1171875f + 0.5f);
    return row * 16 + column;
}

TEST(CFont, TextIsOneBatchOfCellsAdvancingEightPixels)
{
    SRecordedGfx r;
    auto texture = MakeTexture(7, 128, 128);
    CFont font(&r.gfx, texture.get());
    font.RenderText(5, 20, "ELWMWT: %i", 3);
    r.gfx.EndScene();
    ASSERT_EQ(r.gl.DrawCount(), 1);
    const RecordingGL::DrawCall& draw = r.gl.draws[0];
    EXPECT_EQ(draw.count, 36);
    EXPECT_TRUE(draw.alphaTest) << "text is drawn in mode 1";
    EXPECT_FALSE(draw.blend);
    const int cells[9] = {69, 76, 87, 77, 87, 84, 58, 32, 51};
    for (int i = 0; i < 9; ++i) {
        const SVertex* quad = &draw.vertices[static_cast<std::size_t>(i) * 4];
        const float x0 = 5.0f + 8.0f * static_cast<float>(i);
        EXPECT_EQ(CellOf(quad), cells[i]) << "character " << i;
        EXPECT_FLOAT_EQ(quad[0].x, x0);
        EXPECT_FLOAT_EQ(quad[0].y, 20);
        EXPECT_FLOAT_EQ(quad[1].x, x0);
        EXPECT_FLOAT_EQ(quad[1].y, 35);
        EXPECT_FLOAT_EQ(quad[2].x, x0 + 8);
        EXPECT_FLOAT_EQ(quad[2].y, 35);
        EXPECT_FLOAT_EQ(quad[3].x, x0 + 8);
        EXPECT_FLOAT_EQ(quad[3].y, 20);
        EXPECT_FLOAT_EQ(quad[3].a, 1.0f);
    }
}

TEST(CFont, GlyphCellsFollowTheSixteenColumnGrid)
{
    struct Case {
        unsigned char code;
        float left, top;
    };
    const Case cases[] = {
        {'A', 0.0625f, 0.46875f},            // column 1, row 4
        {'\n', 0.625f, 0.0f},                // control characters draw their own cell
        {0xE4, 0.25f, 14 * 0.1171875f},      // high codes lie past the texture's bottom edge
        {0xFF, 0.9375f, 15 * 0.1171875f},
    };
    for (const Case& c : cases) {
        SRecordedGfx r;
        auto texture = MakeTexture(7, 128, 128);
        CFont font(&r.gfx, texture.get());
        font.RenderText(0, 0, "%c", c.code);
        r.gfx.EndScene();
        ASSERT_EQ(r.gl.DrawCount(), 1) << int(c.code);
        const SVertex* quad = r.gl.draws[0].vertices.data();
        EXPECT_FLOAT_EQ(quad[0].u, c.left) << int(c.code);
        EXPECT_FLOAT_EQ(quad[0].v, c.top) << int(c.code);
        EXPECT_FLOAT_EQ(quad[1].v, c.top + 0.1171875f);
        EXPECT_FLOAT_EQ(quad[2].u, c.left + 0.0625f);
        EXPECT_FLOAT_EQ(quad[3].v, c.top);
    }
}

TEST(CFont, EmptyTextSubmitsNothing)
{
    SRecordedGfx r;
    auto texture = MakeTexture(7, 128, 128);
    CFont font(&r.gfx, texture.get());
    font.RenderText(0, 0, "%s", "");
    r.gfx.EndScene();
    EXPECT_EQ(r.gl.DrawCount(), 0);
    EXPECT_TRUE(r.gl.binds.empty());
}

TEST(CFont, LongTextIsCutAt255Characters)
{
    struct Case {
        std::size_t length;
        int quads;
    };
    for (const Case& c : {Case{255, 255}, Case{256, 255}, Case{4000, 255}}) {
        SRecordedGfx r;
        auto texture = MakeTexture(7, 128, 128);
        CFont font(&r.gfx, texture.get());
        const std::string text(c.length, 'x');
        font.RenderText(0, 0, "%s%s", text.c_str(), "!");
        r.gfx.EndScene();
        ASSERT_EQ(r.gl.DrawCount(), 1);
        EXPECT_EQ(r.gl.draws[0].count, c.quads * 4) << c.length;
        EXPECT_FLOAT_EQ(r.gl.draws[0].vertices.back().x, 8.0f * 255) << c.length;
    }
}

}  // namespace
