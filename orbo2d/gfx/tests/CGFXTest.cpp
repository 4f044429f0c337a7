// The renderer against a recording GL table: start-up, frames, blend states and batching.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include <SDL.h>

#include "GfxTestSupport.h"

namespace {

using Calls = std::vector<std::string>;

TEST(CGFX, StartUpSetsPixelProjectionViewportAndModeOne)
{
    RecordingGL gl;
    CGFX gfx(800, 600, 32, false, gl);
    const Calls expected = {
        "MatrixMode(GL_PROJECTION)", "LoadIdentity()", "Ortho2D(0, 800, 600, 0)", "ShadeModel(GL_FLAT)",
        "MatrixMode(GL_MODELVIEW)", "LoadIdentity()", "Viewport(0, 0, 800, 600)",
        // the recorded starting mode 1 is also the state OpenGL is put in
        "Disable(GL_BLEND)", "Enable(GL_ALPHA_TEST)", "AlphaFunc(GL_GREATER, 0)",
    };
    EXPECT_EQ(gl.calls, expected);
    EXPECT_FLOAT_EQ(gfx.GetViewPort().w, 800.0f);
    EXPECT_FLOAT_EQ(gfx.GetViewPort().h, 600.0f);
    EXPECT_EQ(gfx.GetTextureCount(), 0);
    EXPECT_EQ(gfx.GetFPS(), 0);
}

TEST(CGFX, FailedVideoStartLeavesARendererThatDoesNothingHarmful)
{
    SDL_Quit();
    const char* previous = std::getenv("SDL_VIDEODRIVER");
    const std::string saved = previous != nullptr ? previous : "";
    setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
    {
        RecordingGL gl;
        CGFX gfx(800, 600, 32, false, gl);
        EXPECT_TRUE(gl.calls.empty()) << "no OpenGL set-up without a video start";
        EXPECT_EQ(gfx.GetTexture("anything.png"), nullptr);
        EXPECT_EQ(gfx.GetTextureCount(), 0);
        gfx.UpdateFPS();
        EXPECT_EQ(gfx.GetFPS(), 0);
        STexture* none = nullptr;
        gfx.FreeTexture(none);
        EXPECT_FALSE(gfx.SaveScreenshot("/tmp/never-written.png"));
    }
    if (previous != nullptr) {
        setenv("SDL_VIDEODRIVER", saved.c_str(), 1);
    } else {
        unsetenv("SDL_VIDEODRIVER");
    }
}

TEST(CGFX, BeginSceneClearsAndEnablesArraysInOrder)
{
    struct Case {
        bool clearDepth;
        GLbitfield mask;
    };
    for (const Case& c : {Case{true, GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT}, Case{false, GL_COLOR_BUFFER_BIT}}) {
        SRecordedGfx r;
        r.gfx.BeginScene(SColor(0.25f, 0.5f, 0.75f, 1.0f), c.clearDepth);
        const Calls expected = {
            "ClearColor(0.25, 0.5, 0.75, 1)", "Clear(" + std::to_string(c.mask) + ")", "LoadIdentity()",
            "EnableClientState(GL_VERTEX_ARRAY)", "EnableClientState(GL_TEXTURE_COORD_ARRAY)",
            "EnableClientState(GL_COLOR_ARRAY)",
        };
        EXPECT_EQ(r.gl.calls, expected) << "clearDepth " << c.clearDepth;
    }
}

TEST(CGFX, EndSceneWithNothingQueuedDrawsNothingAndStillSwaps)
{
    SRecordedGfx r;
    r.gfx.BeginScene(SColor(0, 0, 0, 1), true);
    r.gl.ClearRecords();
    r.gfx.EndScene();
    const Calls expected = {
        "DisableClientState(GL_VERTEX_ARRAY)", "DisableClientState(GL_TEXTURE_COORD_ARRAY)",
        "DisableClientState(GL_COLOR_ARRAY)", "SwapBuffers()",
    };
    EXPECT_EQ(r.gl.calls, expected);
    EXPECT_EQ(r.gl.DrawCount(), 0);
    EXPECT_EQ(r.gl.swaps, 1);
}

TEST(CGFX, BatchIsOneInterleavedArrayDrawnWithArraysAndTexturingOn)
{
    SRecordedGfx r;
    auto texture = MakeTexture(5);
    SQuad quad = MakeQuad(1, 2);
    r.gfx.BeginScene(SColor(0, 0, 0, 1), true);
    r.gfx.RenderTextureQuad(texture.get(), quad, 0);
    r.gfx.EndScene();
    ASSERT_EQ(r.gl.DrawCount(), 1);
    const RecordingGL::DrawCall& draw = r.gl.draws[0];
    EXPECT_EQ(draw.stride, 32);
    EXPECT_EQ(draw.texCoordOffset, 8);
    EXPECT_EQ(draw.colorOffset, 16);
    EXPECT_EQ(draw.first, 0);
    EXPECT_TRUE(draw.texturing);
    EXPECT_TRUE(draw.arraysEnabled);
    EXPECT_EQ(draw.texture, 5u);
}

TEST(CGFX, QueuedVerticesAreCopiedSoTheCallerMayReuseItsQuad)
{
    SRecordedGfx r;
    auto texture = MakeTexture(5);
    SQuad quad = MakeQuad(0, 0);
    r.gfx.BeginScene(SColor(0, 0, 0, 1), true);
    r.gfx.RenderTextureQuad(texture.get(), quad, 1);
    quad = MakeQuad(50, 50);
    r.gfx.RenderTextureQuad(texture.get(), quad, 1);
    quad.v[0].x = -999;
    r.gfx.EndScene();
    ASSERT_EQ(r.gl.DrawCount(), 1);
    const std::vector<SVertex>& drawn = r.gl.draws[0].vertices;
    ASSERT_EQ(drawn.size(), 8u);
    const float expectedX[8] = {0, 0, 10, 10, 50, 50, 60, 60};
    const float expectedY[8] = {0, 10, 10, 0, 50, 60, 60, 50};
    for (int i = 0; i < 8; ++i) {
        EXPECT_FLOAT_EQ(drawn[i].x, expectedX[i]) << i;
        EXPECT_FLOAT_EQ(drawn[i].y, expectedY[i]) << i;
    }
}

// One submission of a batching scenario.
struct SSubmit {
    bool triangle;
    unsigned int texture;
    int blend;
};

struct SExpectedDraw {
    GLenum mode;
    GLsizei count;
    unsigned int texture;
    bool blend;
    bool alphaTest;
};

struct SBatchCase {
    const char* label;
    std::vector<SSubmit> submits;
    std::vector<SExpectedDraw> draws;
    int binds;
};

class CGFXBatching : public ::testing::TestWithParam<SBatchCase> {};

TEST_P(CGFXBatching, DrawsOneCallPerRunOfTextureModeAndKind)
{
    const SBatchCase& c = GetParam();
    SRecordedGfx r;
    auto one = MakeTexture(1);
    auto two = MakeTexture(2);
    r.gfx.BeginScene(SColor(0, 0, 0, 1), true);
    for (const SSubmit& submit : c.submits) {
        STexture* texture = submit.texture == 1 ? one.get() : two.get();
        if (submit.triangle) {
            STriangle triangle = MakeTriangle(0, 0);
            r.gfx.RenderTextureTriangle(texture, triangle, submit.blend);
        } else {
            SQuad quad = MakeQuad(0, 0);
            r.gfx.RenderTextureQuad(texture, quad, submit.blend);
        }
    }
    r.gfx.EndScene();
    ASSERT_EQ(r.gl.DrawCount(), static_cast<int>(c.draws.size()));
    for (std::size_t i = 0; i < c.draws.size(); ++i) {
        const RecordingGL::DrawCall& got = r.gl.draws[i];
        const SExpectedDraw& want = c.draws[i];
        EXPECT_EQ(GLEnumName(got.mode), GLEnumName(want.mode)) << "draw " << i;
        EXPECT_EQ(got.count, want.count) << "draw " << i;
        EXPECT_EQ(static_cast<GLsizei>(got.vertices.size()), want.count) << "draw " << i;
        EXPECT_EQ(got.texture, want.texture) << "draw " << i;
        EXPECT_EQ(got.blend, want.blend) << "draw " << i;
        EXPECT_EQ(got.alphaTest, want.alphaTest) << "draw " << i;
    }
    EXPECT_EQ(static_cast<int>(r.gl.binds.size()), c.binds);
    EXPECT_EQ(r.gl.swaps, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, CGFXBatching,
    ::testing::Values(
        SBatchCase{"TwoQuadsSameTextureAndMode", {{false, 1, 0}, {false, 1, 0}}, {{GL_QUADS, 8, 1, false, false}}, 1},
        SBatchCase{"QuadThenTriangle",
                   {{false, 1, 0}, {true, 1, 0}},
                   {{GL_QUADS, 4, 1, false, false}, {GL_TRIANGLES, 3, 1, false, false}},
                   1},
        SBatchCase{"ModeTwoThenModeZero",
                   {{false, 1, 2}, {false, 1, 0}},
                   {{GL_QUADS, 4, 1, true, false}, {GL_QUADS, 4, 1, false, false}},
                   1},
        SBatchCase{"TextureChangeAndBack",
                   {{false, 1, 1}, {false, 2, 1}, {false, 1, 1}},
                   {{GL_QUADS, 4, 1, false, true}, {GL_QUADS, 4, 2, false, true}, {GL_QUADS, 4, 1, false, true}},
                   3},
        SBatchCase{"TrianglesRun", {{true, 2, 2}, {true, 2, 2}, {true, 2, 2}}, {{GL_TRIANGLES, 9, 2, true, false}}, 1},
        // An unknown mode changes no OpenGL state: the quads show in the state before it.
        SBatchCase{"UnknownModeKeepsState",
                   {{false, 1, 2}, {false, 1, 7}},
                   {{GL_QUADS, 4, 1, true, false}, {GL_QUADS, 4, 1, true, false}},
                   1}),
    [](const ::testing::TestParamInfo<SBatchCase>& info) { return std::string(info.param.label); });

TEST(CGFX, LongRunIsOneDrawCallWhateverItsLength)
{
    SRecordedGfx r;
    auto texture = MakeTexture(3);
    r.gfx.BeginScene(SColor(0, 0, 0, 1), true);
    for (int i = 0; i < 5000; ++i) {
        SQuad quad = MakeQuad(static_cast<float>(i), 0);
        r.gfx.RenderTextureQuad(texture.get(), quad, 0);
    }
    r.gfx.EndScene();
    ASSERT_EQ(r.gl.DrawCount(), 1);
    EXPECT_EQ(r.gl.draws[0].count, 20000);
    EXPECT_FLOAT_EQ(r.gl.draws[0].vertices.back().x, 4999.0f + 10.0f);
}

TEST(CGFX, BlendModesSetExactlyTheirState)
{
    struct Case {
        int mode;
        Calls state;
    };
    const Case cases[] = {
        {0, {"Disable(GL_ALPHA_TEST)", "Disable(GL_BLEND)"}},
        {2,
         {"Disable(GL_ALPHA_TEST)", "DepthMask(true)", "BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA)",
          "Enable(GL_BLEND)"}},
        {7, {}},
    };
    for (const Case& c : cases) {
        SRecordedGfx r;
        auto texture = MakeTexture(1);
        SQuad quad = MakeQuad(0, 0);
        r.gfx.RenderTextureQuad(texture.get(), quad, c.mode);
        Calls expected = c.state;
        expected.push_back("BindTexture(1)");
        EXPECT_EQ(r.gl.calls, expected) << "mode " << c.mode;
    }
    // Mode 1 from another mode.
    SRecordedGfx r;
    auto texture = MakeTexture(1);
    SQuad quad = MakeQuad(0, 0);
    r.gfx.RenderTextureQuad(texture.get(), quad, 0);
    r.gl.ClearRecords();
    r.gfx.RenderTextureQuad(texture.get(), quad, 1);
    const Calls modeOne = {"Enable(GL_TEXTURE_2D)", "VertexPointer(2, GL_FLOAT, 32)", "TexCoordPointer(2, GL_FLOAT, 32)",
                           "ColorPointer(4, GL_FLOAT, 32)", "DrawArrays(GL_QUADS, 0, 4)", "Disable(GL_BLEND)",
                           "Enable(GL_ALPHA_TEST)", "AlphaFunc(GL_GREATER, 0)"};
    EXPECT_EQ(r.gl.calls, modeOne) << "the pending quad is drawn before the state changes";
}

TEST(CGFX, FrameEndingTextureAndModeCarryOverWithoutBindOrBlendChange)
{
    SRecordedGfx r;
    auto one = MakeTexture(1);
    auto two = MakeTexture(2);
    SQuad quad = MakeQuad(0, 0);
    r.gfx.BeginScene(SColor(0, 0, 0, 1), true);
    r.gfx.RenderTextureQuad(one.get(), quad, 0);
    r.gfx.RenderTextureQuad(two.get(), quad, 2);
    r.gfx.EndScene();
    r.gl.ClearRecords();

    r.gfx.BeginScene(SColor(0, 0, 0, 1), true);
    r.gfx.RenderTextureQuad(two.get(), quad, 2);
    r.gfx.EndScene();
    EXPECT_TRUE(r.gl.binds.empty());
    EXPECT_EQ(r.gl.blendStateChanges, 0);
    ASSERT_EQ(r.gl.DrawCount(), 1);
    EXPECT_EQ(r.gl.draws[0].texture, 2u);
}

TEST(CGFX, SetViewPortTruncatesTowardZero)
{
    struct Case {
        SRect rect;
        RecordingGL::Rect expected;
    };
    const Case cases[] = {
        {SRect(0.9f, 0, 799.9f, 600), {0, 0, 799, 600}},
        {SRect(-1.5f, -0.5f, 10.99f, 0.2f), {-1, 0, 10, 0}},
        {SRect(1e20f, 0, 5, 5), {2147483647, 0, 5, 5}},
    };
    for (const Case& c : cases) {
        SRecordedGfx r;
        r.gfx.SetViewPort(c.rect);
        EXPECT_EQ(r.gl.viewportCalls, 1);
        EXPECT_EQ(r.gl.viewport.x, c.expected.x);
        EXPECT_EQ(r.gl.viewport.y, c.expected.y);
        EXPECT_EQ(r.gl.viewport.width, c.expected.width);
        EXPECT_EQ(r.gl.viewport.height, c.expected.height);
        // The stored viewport keeps the exact values.
        EXPECT_FLOAT_EQ(r.gfx.GetViewPort().x, c.rect.x);
        EXPECT_FLOAT_EQ(r.gfx.GetViewPort().w, c.rect.w);
    }
}

TEST(CGFX, FrameCounterAdvancesThroughUpdateFps)
{
    struct StepClock : IClock {
        std::uint32_t now = 0;
        std::uint32_t GetTicks() override { return now; }
        void Delay(std::uint32_t ms) override { now += ms; }
    } clock;
    RecordingGL gl;
    CGFX gfx(800, 600, 32, false, gl, clock);
    for (int frame = 0; frame < 25; ++frame) {
        clock.now += 40;
        gfx.UpdateFPS();
    }
    EXPECT_EQ(gfx.GetFPS(), 25);
}

}  // namespace
