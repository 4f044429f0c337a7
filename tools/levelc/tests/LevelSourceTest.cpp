// Tests of the level source parser: the shapes it builds and the errors it reports.
#include "Geometry.h"
#include "LevelSource.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{

const char* const kSample = R"(# a comment line
size 1500 1000
start 100 900   # trailing comment
exit 1400 100
snowballs 2

box 200 100 160 80
bar 400 400 700 400 40
diamond 1000 500 50
quad 10 10 12 60 70 58 68 8
present 300 700
present 320 720
waypoints 500 800  900 800
waypoint 500 600
)";

TEST(LevelSource, BuildsEveryShapeAndKeepsOrder)
{
    const SLevelSourceResult r = ParseLevelSource(kSample, "s.txt");
    ASSERT_TRUE(r.ok) << r.error;
    const SLevelData& l = r.level;
    EXPECT_EQ(l.width, 1500.0f);
    EXPECT_EQ(l.height, 1000.0f);
    EXPECT_EQ(l.start.x, 100.0f);
    EXPECT_EQ(l.end.y, 100.0f);
    EXPECT_EQ(l.enemyCount, 2);
    ASSERT_EQ(l.quads.size(), 4u);

    // A box lists its corners top-left, bottom-left, bottom-right, top-right.
    const auto& box = l.quads[0].corners;
    EXPECT_EQ(box[0].x, 200.0f);
    EXPECT_EQ(box[0].y, 100.0f);
    EXPECT_EQ(box[1].y, 180.0f);
    EXPECT_EQ(box[2].x, 360.0f);
    EXPECT_EQ(box[3].y, 100.0f);

    // A horizontal bar is 40 thick, centred on its line, its ends at 400 and 700.
    const auto& bar = l.quads[1].corners;
    EXPECT_FLOAT_EQ(std::fmin(bar[0].y, bar[1].y), 380.0f);
    EXPECT_FLOAT_EQ(std::fmax(bar[0].y, bar[1].y), 420.0f);
    EXPECT_FLOAT_EQ(bar[0].x, 400.0f);
    EXPECT_FLOAT_EQ(bar[2].x, 700.0f);
    EXPECT_TRUE(IsConvexQuad(l.quads[1]));

    // A diamond: left, bottom, right, top corners.
    const auto& d = l.quads[2].corners;
    EXPECT_EQ(d[0].x, 950.0f);
    EXPECT_EQ(d[1].y, 550.0f);
    EXPECT_EQ(d[2].x, 1050.0f);
    EXPECT_EQ(d[3].y, 450.0f);

    EXPECT_EQ(l.quads[3].corners[1].x, 12.0f);
    EXPECT_EQ(l.quads[3].corners[3].y, 8.0f);

    ASSERT_EQ(l.presents.size(), 2u);
    EXPECT_EQ(l.presents[1].x, 320.0f);
    ASSERT_EQ(l.waypoints.size(), 3u);
    EXPECT_EQ(l.waypoints[1].x, 900.0f);
    EXPECT_EQ(l.waypoints[2].y, 600.0f);
}

TEST(LevelSource, SlantedBarKeepsItsThickness)
{
    const SLevelSourceResult r =
        ParseLevelSource("size 900 700\nstart 1 1\nexit 2 2\nsnowballs 0\nbar 100 100 400 500 30\n", "s.txt");
    ASSERT_TRUE(r.ok) << r.error;
    const auto& c = r.level.quads[0].corners;
    EXPECT_NEAR(Distance(c[0], c[1]), 30.0f, 1e-3f);
    EXPECT_NEAR(Distance(c[1], c[2]), 500.0f, 1e-3f);
    // The end points lie midway across the bar's ends.
    EXPECT_NEAR((c[0].x + c[1].x) / 2, 100.0f, 1e-3f);
    EXPECT_NEAR((c[2].y + c[3].y) / 2, 500.0f, 1e-3f);
}

TEST(LevelSource, ReportsTheLineAndTheProblem)
{
    const std::string head = "size 900 700\nstart 1 1\nexit 2 2\nsnowballs 1\n";
    const struct
    {
        std::string text;
        std::string message;
    } cases[] = {
        {head + "tree 1 2\n", "s.txt:5: unknown statement 'tree'"},
        {head + "box 1 2 3\n", "s.txt:5: 'box' has the wrong number of values"},
        {head + "present 1 two\n", "s.txt:5: 'present' takes numbers only"},
        {head + "present 1 nan\n", "s.txt:5: 'present' takes numbers only"},
        {head + "waypoints 1 2 3\n", "s.txt:5: 'waypoints' has the wrong number of values"},
        {head + "box 1 2 0 5\n", "s.txt:5: box needs a positive width and height"},
        {head + "bar 5 5 5 5 10\n", "s.txt:5: bar needs two different end points and a positive thickness"},
        {head + "diamond 5 5 -1\n", "s.txt:5: diamond needs a positive half-diagonal"},
        {"size 900 700\nstart 1 1\nexit 2 2\nsnowballs 1.5\n", "s.txt:4: snowballs needs a whole number from 0 to 1000"},
        {"size 900 700\nstart 1 1\nexit 2 2\nsnowballs -1\n", "s.txt:4: snowballs needs a whole number from 0 to 1000"},
        {"start 1 1\nexit 2 2\nsnowballs 0\n", "s.txt:0: no 'size' line"},
        {"size 900 700\nexit 2 2\nsnowballs 0\n", "s.txt:0: no 'start' line"},
        {"size 900 700\nstart 1 1\nsnowballs 0\n", "s.txt:0: no 'exit' line"},
        {"size 900 700\nstart 1 1\nexit 2 2\n", "s.txt:0: no 'snowballs' line"},
    };
    for (const auto& c : cases)
    {
        const SLevelSourceResult r = ParseLevelSource(c.text, "s.txt");
        EXPECT_FALSE(r.ok) << c.text;
        EXPECT_EQ(r.error, c.message) << c.text;
    }
}

TEST(LevelSource, MissingFileIsReported)
{
    const SLevelSourceResult r = ReadLevelSource("/nonexistent/level.txt");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "/nonexistent/level.txt: cannot open the file");
}

}  // namespace
