// Scene objects: the camera's clamp, the floor's scrolling texture coordinates, sprites and presents.
#include <gtest/gtest.h>

#include "gfx/CGFX.h"
#include "gfx/CImage.h"
#include "scene/CCamera.h"
#include "scene/CFloor.h"
#include "scene/CPresent.h"
#include "scene/CSpriteObject.h"
#include "support/GameFixture.h"

namespace {

TEST(CCamera, ClampsTheViewIntoItsBounds)
{
    struct Case {
        SRect bounds;  // left, top, right, bottom
        SVector start;
        SVector expected;
    };
    const Case cases[] = {
        {SRect(0, 0, 2000, 1500), {-50, -30}, {0, 0}},
        {SRect(0, 0, 2000, 1500), {1500, 1200}, {1200, 900}},
        {SRect(0, 0, 2000, 1500), {700, 450}, {700, 450}},
        {SRect(0, 0, 2000, 1500), {1200, 900}, {1200, 900}},
        // A level smaller than the screen: the right and bottom clamps come last and win.
        {SRect(0, 0, 600, 500), {-50, -30}, {-200, -100}},
        {SRect(0, 0, 600, 500), {300, 300}, {-200, -100}},
        {SRect(100, 50, 1000, 700), {0, 0}, {100, 50}},
    };
    for (const Case& c : cases) {
        CCamera camera(nullptr);
        camera.SetBounds(c.bounds);
        camera.position = c.start;
        camera.Update();
        EXPECT_FLOAT_EQ(camera.position.x, c.expected.x) << "from " << c.start.x << "," << c.start.y;
        EXPECT_FLOAT_EQ(camera.position.y, c.expected.y) << "from " << c.start.x << "," << c.start.y;
    }
}

TEST(CPresent, TurnsAHundredthOfARadianPerFrameWithoutWrapping)
{
    CPresent present(nullptr, nullptr, nullptr);
    for (int frame = 0; frame < 1000; ++frame) {
        present.Update();
    }
    EXPECT_NEAR(present.GetAngle(), 10.0f, 1e-3f);
}

class SceneDrawing : public GameFixture {};

TEST_F(SceneDrawing, FloorMapsOneTexelToOneScreenPixelAndScrolls)
{
    // A texture record the cache does not hold: the floor's release of it is then a no-op.
    auto* texture = new STexture();
    texture->width = 256;
    texture->height = 256;
    texture->id = 77;
    texture->name = "not-in-cache";
    struct Case {
        SVector offset;
        float left, right, top, bottom;
    };
    const Case cases[] = {
        {{0, 0}, 0.0f, 3.125f, 0.0f, 2.34375f},
        {{128, -64}, 0.5f, 3.625f, -0.25f, 2.09375f},
    };
    {
        CFloor floor(engine->GetGFX(), texture);
        for (const Case& c : cases) {
            gl.ClearRecords();
            engine->GetGFX()->BeginScene(SColor(0, 0, 0, 1), true);
            floor.Render(c.offset);
            engine->GetGFX()->EndScene();
            ASSERT_EQ(gl.DrawCount(), 1);
            const auto& draw = gl.draws[0];
            EXPECT_TRUE(draw.blend) << "floors are alpha-blended";
            ASSERT_EQ(draw.vertices.size(), 4u);
            const float expected[4][4] = {{0, 0, c.left, c.top},
                                          {0, 600, c.left, c.bottom},
                                          {800, 600, c.right, c.bottom},
                                          {800, 0, c.right, c.top}};
            for (int i = 0; i < 4; ++i) {
                EXPECT_FLOAT_EQ(draw.vertices[i].x, expected[i][0]) << "corner " << i;
                EXPECT_FLOAT_EQ(draw.vertices[i].y, expected[i][1]) << "corner " << i;
                EXPECT_FLOAT_EQ(draw.vertices[i].u, expected[i][2]) << "corner " << i;
                EXPECT_FLOAT_EQ(draw.vertices[i].v, expected[i][3]) << "corner " << i;
            }
        }
    }
    delete texture;
}

TEST_F(SceneDrawing, FloorReleasesItsTextureFromTheCache)
{
    CGFX* gfx = engine->GetGFX();
    const int before = gfx->GetTextureCount();
    auto* floor = new CFloor(gfx, gfx->GetTexture("data/lumi.png"));
    EXPECT_EQ(gfx->GetTextureCount(), before + 1);
    delete floor;
    EXPECT_EQ(gfx->GetTextureCount(), before);
}

TEST_F(SceneDrawing, SpriteDrawsItsHotSpotAtThePositionSeenByTheCamera)
{
    CGFX* gfx = engine->GetGFX();
    CImage image(gfx, gfx->GetTexture("data/lahja.png"));
    image.SetHotSpot(16, 16);
    CCamera camera(engine);
    camera.position = SVector{100, 50};
    CSpriteObject sprite(engine, &camera, &image);
    sprite.position = SVector{300, 200};

    gl.ClearRecords();
    gfx->BeginScene(SColor(0, 0, 0, 1), true);
    sprite.Render();
    gfx->EndScene();
    ASSERT_EQ(gl.DrawCount(), 1);
    const auto& v = gl.draws[0].vertices;
    ASSERT_EQ(v.size(), 4u);
    // Upright (angle 0): the corners lie 16 pixels around (200, 150).
    EXPECT_FLOAT_EQ(v[0].x, 184);
    EXPECT_FLOAT_EQ(v[0].y, 134);
    EXPECT_FLOAT_EQ(v[2].x, 216);
    EXPECT_FLOAT_EQ(v[2].y, 166);
}

}  // namespace
