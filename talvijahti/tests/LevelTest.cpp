// CLevel: what a level file builds, the checks that keep a broken file from being played,
// and how a level updates and draws.
#include <cmath>
#include <memory>

#include <gtest/gtest.h>

#include "actors/CEnemy.h"
#include "gfx/CGFX.h"
#include "gfx/CImage.h"
#include "level/CLevel.h"
#include "scene/CCamera.h"
#include "scene/CPresent.h"
#include "support/PlayFixture.h"

namespace {

class LevelTest : public PlayFixture {
protected:
    std::unique_ptr<CLevel> Load(int number = 1)
    {
        return std::make_unique<CLevel>(engine, &camera, LevelPath(number), presentImage, enemyImage, random);
    }
    std::unique_ptr<CLevel> Load(const SLevelSketch& sketch)
    {
        WriteLevel(1, sketch);
        return Load(1);
    }

    CCamera camera{nullptr};
};

TEST_F(LevelTest, AnEmptyLevelHasOnlyItsSize)
{
    SLevelSketch sketch;
    sketch.width = 1234;
    sketch.height = 567;
    auto level = Load(sketch);
    ASSERT_TRUE(level->IsLoaded()) << level->GetLoadError();
    EXPECT_FLOAT_EQ(level->GetWidth(), 1234);
    EXPECT_FLOAT_EQ(level->GetHeight(), 567);
    EXPECT_EQ(level->GetQuadCount(), 0);
    EXPECT_EQ(level->GetPresentCount(), 0);
    EXPECT_EQ(level->GetWaypointCount(), 0);
    EXPECT_TRUE(level->GetPresents()->empty());
    EXPECT_TRUE(level->GetEnemies()->empty());
    EXPECT_TRUE(level->GetWaypoints()->empty());
}

TEST_F(LevelTest, ReadsEveryRecordInFileOrder)
{
    SLevelSketch sketch;
    sketch.start = {11, 12};
    sketch.end = {13, 14};
    sketch.quads = {Box(200, 200, 300, 260), Box(500, 100, 540, 400)};
    sketch.presents = {{400, 300}, {410, 310}, {420, 320}};
    sketch.waypoints = {{150, 500}, {600, 500}, {600, 700}, {150, 700}};
    sketch.enemies = 3;
    auto level = Load(sketch);
    ASSERT_TRUE(level->IsLoaded()) << level->GetLoadError();

    EXPECT_FLOAT_EQ(level->GetStartPosition().x, 11);
    EXPECT_FLOAT_EQ(level->GetStartPosition().y, 12);
    EXPECT_FLOAT_EQ(level->GetEndPosition().x, 13);
    EXPECT_FLOAT_EQ(level->GetEndPosition().y, 14);
    ASSERT_EQ(level->GetQuadCount(), 2);
    EXPECT_FLOAT_EQ(level->GetQuads()[1].v[0].x, 500);
    EXPECT_FLOAT_EQ(level->GetQuads()[1].v[2].y, 400);
    ASSERT_EQ(level->GetPresents()->size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_FLOAT_EQ((*level->GetPresents())[i]->position.x, 400 + 10 * i);
        EXPECT_FLOAT_EQ((*level->GetPresents())[i]->position.y, 300 + 10 * i);
    }
    ASSERT_EQ(level->GetWaypointCount(), 4);
    EXPECT_FLOAT_EQ((*level->GetWaypoints())[3].x, 150);
    EXPECT_FLOAT_EQ((*level->GetWaypoints())[3].y, 700);

    // Snowball i starts on waypoint i, rolling right.
    ASSERT_EQ(level->GetEnemies()->size(), 3u);
    for (int i = 0; i < 3; ++i) {
        const CEnemy* snowball = (*level->GetEnemies())[i];
        EXPECT_FLOAT_EQ(snowball->position.x, sketch.waypoints[i].x) << "snowball " << i;
        EXPECT_FLOAT_EQ(snowball->position.y, sketch.waypoints[i].y) << "snowball " << i;
        EXPECT_FLOAT_EQ(snowball->velocity.x, 0.8f);
        EXPECT_FLOAT_EQ(snowball->velocity.y, 0.0f);
    }
}

TEST_F(LevelTest, ObstacleTextureRepeatsEveryEightyPixelsAlongTheEdges)
{
    struct Case {
        const char* name;
        SLevelQuad quad;
        float uv[4][2];
    };
    SLevelQuad slanted;
    slanted.corners = {SLevelPoint{100, 100}, SLevelPoint{140, 260}, SLevelPoint{300, 300}, SLevelPoint{260, 140}};
    const Case cases[] = {
        {"axis-aligned 160 x 80", Box(0, 0, 160, 80), {{0, 0}, {0, 1}, {2, 1}, {2, 0}}},
        // Listed right-to-left and bottom-to-top: the absolute differences keep it positive.
        {"mirrored", Box(160, 80, 0, 0), {{0, 0}, {0, 1}, {2, 1}, {2, 0}}},
        // Each coordinate follows its own edge's extent along one axis.
        {"slanted", slanted, {{0, 0}, {0, 2}, {2, 2}, {2, 0}}},
    };
    for (const Case& c : cases) {
        SLevelSketch sketch;
        sketch.quads = {c.quad};
        auto level = Load(sketch);
        ASSERT_TRUE(level->IsLoaded()) << level->GetLoadError();
        const SQuad& q = level->GetQuads()[0];
        for (int i = 0; i < 4; ++i) {
            EXPECT_FLOAT_EQ(q.v[i].u, c.uv[i][0]) << c.name << " corner " << i;
            EXPECT_FLOAT_EQ(q.v[i].v, c.uv[i][1]) << c.name << " corner " << i;
            EXPECT_FLOAT_EQ(q.v[i].a, 1.0f) << "untinted";
        }
    }
}

TEST_F(LevelTest, BrokenFilesAreRefusedWithOneLineNamingTheFile)
{
    struct Case {
        const char* name;
        std::vector<unsigned char> bytes;
        const char* problem;  // part of the error line
    };
    auto nanAt = [](std::vector<unsigned char> bytes, std::size_t offset) {
        const std::uint32_t nan = 0x7fc00000u;
        for (int b = 0; b < 4; ++b) {
            bytes[offset + b] = static_cast<unsigned char>(nan >> (8 * b));
        }
        return bytes;
    };
    const Case cases[] = {
        {"empty file", {}, "shorter than the 40-byte header"},
        {"truncated header", std::vector<unsigned char>(39, 0), "shorter than the 40-byte header"},
        {"records cut short", RawLevel(1000, 800, 1, 0, 0, 0, 31), "counts need 72"},
        {"negative count", RawLevel(1000, 800, 0, -1, 0, 0, 0), "present count -1 is negative"},
        {"absurd count", RawLevel(1000, 800, 0, 0, 2000000000, 0, 0), "exceeds the limit"},
        {"more snowballs than waypoints", RawLevel(1000, 800, 0, 0, 1, 2, 8), "less than the snowball count"},
        {"zero width", RawLevel(0, 800, 0, 0, 0, 0, 0), "not a positive finite size"},
        {"NaN start", nanAt(RawLevel(1000, 800, 0, 0, 0, 0, 0), 8), "start point is not finite"},
        {"NaN quad corner", nanAt(RawLevel(1000, 800, 1, 0, 0, 0, 32), 40 + 12), "quad 0 has a corner"},
    };
    for (const Case& c : cases) {
        WriteLevelBytes(1, c.bytes);
        auto level = Load(1);
        EXPECT_FALSE(level->IsLoaded()) << c.name;
        const std::string& error = level->GetLoadError();
        EXPECT_EQ(error.rfind("levels/level1.lev: ", 0), 0u) << c.name << ": " << error;
        EXPECT_NE(error.find(c.problem), std::string::npos) << c.name << ": " << error;
        EXPECT_EQ(error.find('\n'), std::string::npos) << c.name;
        // Nothing half-built is left to play with.
        EXPECT_EQ(level->GetQuadCount(), 0) << c.name;
        EXPECT_TRUE(level->GetPresents()->empty()) << c.name;
        EXPECT_TRUE(level->GetEnemies()->empty()) << c.name;
    }

    auto missing = Load(7);
    EXPECT_FALSE(missing->IsLoaded());
    EXPECT_NE(missing->GetLoadError().find("levels/level7.lev: cannot open"), std::string::npos)
        << missing->GetLoadError();
}

TEST_F(LevelTest, TrailingBytesAreIgnored)
{
    SLevelSketch sketch;
    sketch.presents = {{300, 300}};
    std::vector<unsigned char> bytes = EncodeLevel(sketch.ToData());
    bytes.insert(bytes.end(), {1, 2, 3, 4, 5});
    WriteLevelBytes(1, bytes);
    auto level = Load(1);
    ASSERT_TRUE(level->IsLoaded()) << level->GetLoadError();
    EXPECT_EQ(level->GetPresentCount(), 1);
}

TEST_F(LevelTest, PresentCountStaysWhatTheFileSaidAfterCollection)
{
    SLevelSketch sketch;
    sketch.presents = {{300, 300}, {400, 300}};
    auto level = Load(sketch);
    std::vector<CPresent*>& presents = *level->GetPresents();
    delete presents.front();
    presents.erase(presents.begin());
    EXPECT_EQ(level->GetPresentCount(), 2);
    EXPECT_EQ(level->GetPresents()->size(), 1u);
}

TEST_F(LevelTest, UpdateTurnsPresentsAndMovesSnowballs)
{
    SLevelSketch sketch;
    sketch.presents = {{300, 300}};
    sketch.waypoints = {{500, 500}};
    sketch.enemies = 1;
    auto level = Load(sketch);
    random.Push(Pick(kDown));
    level->Update();
    level->Update();
    EXPECT_FLOAT_EQ((*level->GetPresents())[0]->GetAngle(), 0.02f);
    const CEnemy* snowball = (*level->GetEnemies())[0];
    EXPECT_FLOAT_EQ(snowball->position.x, 500);
    EXPECT_FLOAT_EQ(snowball->position.y, 501.6f);
}

TEST_F(LevelTest, DrawsObstaclesInOneOpaqueBatchThenPresentsThenSnowballs)
{
    SLevelSketch sketch;
    sketch.quads = {Box(200, 200, 300, 260), Box(500, 100, 540, 400), Box(700, 600, 900, 700)};
    sketch.presents = {{300, 300}, {310, 300}};
    sketch.waypoints = {{500, 500}};
    sketch.enemies = 1;
    auto level = Load(sketch);
    camera.position = SVector{150, 50};

    engine->GetGFX()->BeginScene(SColor(0, 0, 0, 1), true);
    gl.ClearRecords();
    level->Render();
    engine->GetGFX()->EndScene();

    const unsigned obstacle = engine->GetGFX()->GetTexture("data/puu.png")->id;
    ASSERT_GE(gl.draws.size(), 3u);
    const RecordingGL::DrawCall& first = gl.draws[0];
    EXPECT_EQ(first.texture, obstacle);
    EXPECT_FALSE(first.blend);
    EXPECT_FALSE(first.alphaTest);
    ASSERT_EQ(first.vertices.size(), 12u) << "all obstacles in one draw";
    EXPECT_FLOAT_EQ(first.vertices[4].x, 500 - 150) << "drawn relative to the camera";
    EXPECT_FLOAT_EQ(first.vertices[4].y, 100 - 50);
    EXPECT_FLOAT_EQ(level->GetQuads()[1].v[0].x, 500) << "the stored quads keep world coordinates";

    const unsigned present = presentImage->GetTexture()->id;
    const unsigned snowball = enemyImage->GetTexture()->id;
    EXPECT_EQ(gl.draws[1].texture, present);
    EXPECT_EQ(gl.draws[1].vertices.size(), 8u);
    EXPECT_EQ(gl.draws[2].texture, snowball);
}

}  // namespace
