// Tests of the level file reader's checks, its decoding order and the writer.
#include "LevelFile.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>

namespace
{

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

// Builds level file bytes field by field, independently of EncodeLevel, so the
// tests pin the layout itself.
class CLevelBytes
{
public:
    CLevelBytes& F(float v) { return U(std::bit_cast<uint32_t>(v)); }
    CLevelBytes& I(int32_t v) { return U(std::bit_cast<uint32_t>(v)); }
    CLevelBytes& U(uint32_t v)
    {
        for (int s = 0; s < 32; s += 8)
            bytes.push_back(static_cast<unsigned char>(v >> s));
        return *this;
    }
    CLevelBytes& Header(float w, float h, int32_t quads, int32_t presents, int32_t waypoints, int32_t enemies)
    {
        return F(w).F(h).F(100).F(110).F(900).F(910).I(quads).I(presents).I(waypoints).I(enemies);
    }
    CLevelBytes& Floats(int n, float v = 1.0f)
    {
        for (int i = 0; i < n; ++i)
            F(v);
        return *this;
    }
    std::vector<unsigned char> bytes;
};

std::vector<unsigned char> SampleBytes()
{
    CLevelBytes b;
    b.Header(1200, 900, 2, 1, 3, 2);
    b.F(0).F(0).F(0).F(80).F(160).F(80).F(160).F(0);          // quad 0, axis-aligned
    b.F(300).F(310).F(290).F(400).F(420).F(390).F(410).F(300);  // quad 1, slanted
    b.F(500).F(520);                                            // present
    b.F(40).F(50).F(60).F(50).F(60).F(70);                      // waypoints
    return b.bytes;
}

TEST(LevelFile, DecodesFieldsInFileOrder)
{
    const SLevelLoadResult r = ParseLevel(SampleBytes(), "sample.lev");
    ASSERT_TRUE(r.ok) << r.error;
    const SLevelData& l = r.level;
    EXPECT_EQ(l.width, 1200.0f);
    EXPECT_EQ(l.height, 900.0f);
    EXPECT_EQ(l.start.x, 100.0f);
    EXPECT_EQ(l.start.y, 110.0f);
    EXPECT_EQ(l.end.x, 900.0f);
    EXPECT_EQ(l.end.y, 910.0f);
    ASSERT_EQ(l.quads.size(), 2u);
    EXPECT_EQ(l.quads[0].corners[1].y, 80.0f);
    EXPECT_EQ(l.quads[0].corners[2].x, 160.0f);
    EXPECT_EQ(l.quads[1].corners[0].x, 300.0f);
    EXPECT_EQ(l.quads[1].corners[1].x, 290.0f);
    EXPECT_EQ(l.quads[1].corners[3].y, 300.0f);
    ASSERT_EQ(l.presents.size(), 1u);
    EXPECT_EQ(l.presents[0].x, 500.0f);
    EXPECT_EQ(l.presents[0].y, 520.0f);
    ASSERT_EQ(l.waypoints.size(), 3u);
    EXPECT_EQ(l.waypoints[0].x, 40.0f);
    EXPECT_EQ(l.waypoints[2].y, 70.0f);
    EXPECT_EQ(l.enemyCount, 2);
    EXPECT_TRUE(r.error.empty());
}

TEST(LevelFile, EmptyFieldAndTrailingBytesAreAccepted)
{
    CLevelBytes empty;
    empty.Header(640, 480, 0, 0, 0, 0);
    SLevelLoadResult r = ParseLevel(empty.bytes, "empty.lev");
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_TRUE(r.level.quads.empty());
    EXPECT_TRUE(r.level.presents.empty());
    EXPECT_TRUE(r.level.waypoints.empty());
    EXPECT_EQ(r.level.enemyCount, 0);

    std::vector<unsigned char> padded = SampleBytes();
    padded.insert(padded.end(), {0xff, 0xff, 0xff, 0x7f, 0x01});
    r = ParseLevel(padded, "padded.lev");
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.level.waypoints.size(), 3u);
}

struct SBadFile
{
    const char* what;
    std::vector<unsigned char> bytes;
    const char* message;
};

std::vector<SBadFile> BadFiles()
{
    const auto header = [](float w, float h, int32_t q, int32_t p, int32_t wp, int32_t e) {
        return CLevelBytes().Header(w, h, q, p, wp, e);
    };
    std::vector<unsigned char> shortByOne = SampleBytes();
    shortByOne.pop_back();
    std::vector<unsigned char> header39 = header(10, 10, 0, 0, 0, 0).bytes;
    header39.pop_back();
    return {
        {"empty file", {}, "f.lev: file is 0 bytes, shorter than the 40-byte header"},
        {"cut header", header39, "f.lev: file is 39 bytes, shorter than the 40-byte header"},
        {"records cut short", shortByOne, "f.lev: file is 135 bytes but its counts need 136"},
        {"header only with counts", header(10, 10, 1, 0, 0, 0).bytes, "f.lev: file is 40 bytes but its counts need 72"},
        {"negative quads", header(10, 10, -1, 0, 0, 0).bytes, "f.lev: quad count -1 is negative"},
        {"negative presents", header(10, 10, 0, -5, 0, 0).bytes, "f.lev: present count -5 is negative"},
        {"negative waypoints", header(10, 10, 0, 0, -2, 0).bytes, "f.lev: waypoint count -2 is negative"},
        {"negative snowballs", header(10, 10, 0, 0, 0, -1).bytes, "f.lev: snowball count -1 is negative"},
        {"huge quads", header(10, 10, 2147483647, 0, 0, 0).bytes,
         "f.lev: quad count 2147483647 exceeds the limit of 4096"},
        {"too many presents", header(10, 10, 0, 1025, 0, 0).bytes,
         "f.lev: present count 1025 exceeds the limit of 1024"},
        {"too many waypoints", header(10, 10, 0, 0, 4097, 0).bytes,
         "f.lev: waypoint count 4097 exceeds the limit of 4096"},
        {"too many snowballs", header(10, 10, 0, 0, 300, 257).bytes,
         "f.lev: snowball count 257 exceeds the limit of 256"},
        {"fewer waypoints than snowballs", header(10, 10, 0, 0, 1, 2).Floats(2).bytes,
         "f.lev: waypoint count 1 is less than the snowball count 2"},
        {"NaN width", header(kNaN, 10, 0, 0, 0, 0).bytes, "f.lev: level size nan x 10 is not a positive finite size"},
        {"infinite height", header(10, kInf, 0, 0, 0, 0).bytes,
         "f.lev: level size 10 x inf is not a positive finite size"},
        {"zero width", header(0, 10, 0, 0, 0, 0).bytes, "f.lev: level size 0 x 10 is not a positive finite size"},
        {"negative height", header(10, -5, 0, 0, 0, 0).bytes,
         "f.lev: level size 10 x -5 is not a positive finite size"},
        {"absurd width", header(1e30f, 10, 0, 0, 0, 0).bytes,
         "f.lev: level size 1e+30 x 10 is not a positive finite size"},
        {"NaN start", CLevelBytes().F(10).F(10).F(kNaN).F(0).F(0).F(0).I(0).I(0).I(0).I(0).bytes,
         "f.lev: start point is not finite"},
        {"infinite exit", CLevelBytes().F(10).F(10).F(0).F(0).F(0).F(-kInf).I(0).I(0).I(0).I(0).bytes,
         "f.lev: exit point is not finite"},
        {"NaN corner", header(10, 10, 2, 0, 0, 0).Floats(8).Floats(7).F(kNaN).bytes,
         "f.lev: quad 1 has a corner that is not finite"},
        {"infinite present", header(10, 10, 0, 1, 0, 0).F(kInf).F(0).bytes,
         "f.lev: present 0 is not at a finite position"},
        {"NaN waypoint", header(10, 10, 0, 0, 2, 0).Floats(3).F(kNaN).bytes,
         "f.lev: waypoint 1 is not at a finite position"},
    };
}

TEST(LevelFile, RejectsEveryBrokenFileWithOneClearLine)
{
    for (const SBadFile& bad : BadFiles())
    {
        const SLevelLoadResult r = ParseLevel(bad.bytes, "f.lev");
        EXPECT_FALSE(r.ok) << bad.what;
        EXPECT_EQ(r.error, bad.message) << bad.what;
        EXPECT_EQ(r.error.find('\n'), std::string::npos) << bad.what;
    }
}

// Each kind of point placed on one side of a 1200 x 900 level, at the margin and just past it.
TEST(LevelFile, PointsMayLieUpToAThousandPixelsOutsideTheLevel)
{
    enum Kind { kStart, kExit, kCorner, kPresent, kWaypoint };
    const auto levelWith = [](Kind kind, SLevelPoint p) {
        SLevelData level;
        level.width = 1200;
        level.height = 900;
        level.start = {100, 100};
        level.end = {1100, 800};
        level.quads.resize(1);
        level.quads[0].corners = {SLevelPoint{300, 300}, {300, 400}, {400, 400}, {400, 300}};
        level.presents = {{500, 500}};
        level.waypoints = {{600, 600}};
        switch (kind)
        {
        case kStart: level.start = p; break;
        case kExit: level.end = p; break;
        case kCorner: level.quads[0].corners[2] = p; break;
        case kPresent: level.presents[0] = p; break;
        case kWaypoint: level.waypoints[0] = p; break;
        }
        return EncodeLevel(level);
    };
    struct Place
    {
        SLevelPoint atMargin;
        SLevelPoint pastIt;
    };
    const Place places[] = {
        {{-1000, 450}, {-1000.5f, 450}},  // left
        {{2200, 450}, {2201, 450}},       // right
        {{600, -1000}, {600, -1001}},     // top
        {{600, 1900}, {600, 1900.5f}},    // bottom
    };
    struct Named
    {
        Kind kind;
        const char* name;
    };
    const Named kinds[] = {{kStart, "start point"},
                           {kExit, "exit point"},
                           {kCorner, "quad 0 corner"},
                           {kPresent, "present 0"},
                           {kWaypoint, "waypoint 0"}};
    for (const Named& k : kinds)
        for (const Place& place : places)
        {
            SCOPED_TRACE(std::string(k.name) + " at " + std::to_string(place.pastIt.x) + ", " +
                         std::to_string(place.pastIt.y));
            const SLevelLoadResult near = ParseLevel(levelWith(k.kind, place.atMargin), "f.lev");
            EXPECT_TRUE(near.ok) << near.error;
            const SLevelLoadResult far = ParseLevel(levelWith(k.kind, place.pastIt), "f.lev");
            EXPECT_FALSE(far.ok);
            char expected[160];
            std::snprintf(expected, sizeof expected,
                          "f.lev: %s (%g, %g) lies more than 1000 pixels outside the 1200 x 900 level", k.name,
                          double(place.pastIt.x), double(place.pastIt.y));
            EXPECT_EQ(far.error, expected);
        }
}

TEST(LevelFile, AWallCornerAtAnAbsurdDistanceIsRefused)
{
    // Float arithmetic breaks down this far out: the obstacle push would let the elf through.
    SLevelData level;
    level.width = 1200;
    level.height = 900;
    level.quads.resize(1);
    level.quads[0].corners = {SLevelPoint{300, 300}, {300, 3e38f}, {400, 3e38f}, {400, 300}};
    const SLevelLoadResult r = ParseLevel(EncodeLevel(level), "wall.lev");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "wall.lev: quad 0 corner (300, 3e+38) lies more than 1000 pixels outside the 1200 x 900 level");
}

class LevelFileOnDisk : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir = std::filesystem::temp_directory_path() /
              ("levelfile_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::filesystem::path dir;
};

TEST_F(LevelFileOnDisk, MissingFileNamesThePath)
{
    const std::string path = (dir / "level99.lev").string();
    const SLevelLoadResult r = ReadLevelFile(path);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error.rfind(path + ": cannot open the file", 0), 0u) << r.error;
}

TEST_F(LevelFileOnDisk, DirectoryIsNotALevel)
{
    const SLevelLoadResult r = ReadLevelFile(dir.string());
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error.rfind(dir.string() + ": cannot read the file", 0), 0u) << r.error;
}

TEST_F(LevelFileOnDisk, WrittenLevelReadsBackUnchanged)
{
    const SLevelData original = ParseLevel(SampleBytes(), "sample.lev").level;
    const std::string path = (dir / "level1.lev").string();
    std::string error;
    ASSERT_TRUE(WriteLevelFile(path, original, error)) << error;

    std::ifstream file(path, std::ios::binary);
    const std::vector<unsigned char> written((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_EQ(written, SampleBytes());

    const SLevelLoadResult back = ReadLevelFile(path);
    ASSERT_TRUE(back.ok) << back.error;
    EXPECT_EQ(EncodeLevel(back.level), SampleBytes());
    EXPECT_EQ(back.level.enemyCount, original.enemyCount);
    EXPECT_EQ(back.level.quads[1].corners[2].x, 420.0f);
}

TEST_F(LevelFileOnDisk, WriteIntoMissingFolderFails)
{
    std::string error;
    const std::string path = (dir / "no" / "such" / "level.lev").string();
    EXPECT_FALSE(WriteLevelFile(path, SLevelData{}, error));
    EXPECT_EQ(error.rfind(path + ": cannot create the file", 0), 0u) << error;
}

}  // namespace
