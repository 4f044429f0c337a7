// Tests of the geometry helpers and of the layout and solvability checks on small levels.
#include "Geometry.h"
#include "LevelChecks.h"
#include "SnowballRun.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{

SLevelQuad Box(float x, float y, float w, float h)
{
    SLevelQuad q;
    q.corners = {SLevelPoint{x, y}, SLevelPoint{x, y + h}, SLevelPoint{x + w, y + h}, SLevelPoint{x + w, y}};
    return q;
}

// An open 1000 x 800 field: start at the left, exit at the right, one present.
SLevelData OpenField()
{
    SLevelData l;
    l.width = 1000;
    l.height = 800;
    l.start = {100, 400};
    l.end = {900, 400};
    l.presents = {{500, 200}};
    return l;
}

bool Mentions(const std::vector<std::string>& problems, const std::string& text)
{
    return std::any_of(problems.begin(), problems.end(),
                       [&](const std::string& p) { return p.find(text) != std::string::npos; });
}

TEST(Geometry, NearestPointOnSegment)
{
    const struct
    {
        SLevelPoint p, a, b, expected;
    } cases[] = {
        {{5, 5}, {0, 0}, {10, 0}, {5, 0}},
        {{-3, 4}, {0, 0}, {10, 0}, {0, 0}},
        {{12, 1}, {0, 0}, {10, 0}, {10, 0}},
        {{3, 3}, {2, 2}, {2, 2}, {2, 2}},  // a segment of no length gives its start
    };
    for (const auto& c : cases)
    {
        const SLevelPoint r = NearestOnSegment(c.p, c.a, c.b);
        EXPECT_FLOAT_EQ(r.x, c.expected.x);
        EXPECT_FLOAT_EQ(r.y, c.expected.y);
    }
}

TEST(Geometry, InsideAndConvexQuads)
{
    const SLevelQuad box = Box(0, 0, 100, 50);
    SLevelQuad mirrored = box;
    std::reverse(mirrored.corners.begin(), mirrored.corners.end());
    for (const SLevelQuad& q : {box, mirrored})
    {
        EXPECT_TRUE(InsideQuad({50, 25}, q));
        EXPECT_FALSE(InsideQuad({150, 25}, q));
        EXPECT_FALSE(InsideQuad({50, -1}, q));
        EXPECT_TRUE(IsConvexQuad(q));
    }
    EXPECT_FLOAT_EQ(DistanceToQuadEdges({50, 70}, box), 20.0f);

    SLevelQuad dart;  // one corner pushed inside: concave
    dart.corners = {SLevelPoint{0, 0}, SLevelPoint{50, 20}, SLevelPoint{100, 0}, SLevelPoint{50, 100}};
    EXPECT_FALSE(IsConvexQuad(dart));
    SLevelQuad flat;  // all on one line: no area
    flat.corners = {SLevelPoint{0, 0}, SLevelPoint{10, 0}, SLevelPoint{20, 0}, SLevelPoint{30, 0}};
    EXPECT_FALSE(IsConvexQuad(flat));
}

TEST(Solvability, OpenFieldIsSolvable)
{
    EXPECT_TRUE(CheckSolvable(OpenField()).empty());
    EXPECT_TRUE(CheckLayout(OpenField()).empty());
}

TEST(Solvability, WalledInTargetsAreUnreachable)
{
    // A closed ring of walls round the present.
    SLevelData ring = OpenField();
    ring.quads = {Box(400, 100, 200, 20), Box(400, 280, 200, 20), Box(400, 100, 20, 200), Box(580, 100, 20, 200)};
    EXPECT_EQ(CheckSolvable(ring), std::vector<std::string>{"present 0 (500, 200) cannot be reached from the start"});

    // A wall from border to border between the start and the exit.
    SLevelData split = OpenField();
    split.presents.clear();
    split.quads = {Box(480, 0, 40, 800)};
    EXPECT_EQ(CheckSolvable(split), std::vector<std::string>{"the exit (900, 400) cannot be reached from the start"});
}

TEST(Solvability, GapMustFitTheElfWithItsClearance)
{
    // The elf keeps 16 from each edge, so a gap needs more than 32 to pass.
    const struct
    {
        float gap;
        bool passes;
    } cases[] = {{24, false}, {30, false}, {48, true}, {80, true}};
    for (const auto& c : cases)
    {
        SLevelData l = OpenField();
        l.presents.clear();
        l.quads = {Box(480, 0, 40, 400 - c.gap / 2), Box(480, 400 + c.gap / 2, 40, 400 - c.gap / 2)};
        EXPECT_EQ(CheckSolvable(l).empty(), c.passes) << "gap " << c.gap;
    }
}

TEST(Solvability, BorderClearanceCounts)
{
    // A corridor along the top border 20 high: the elf needs 14 from the border and
    // 16 from the wall below it, so it cannot use it.
    SLevelData l = OpenField();
    l.presents.clear();
    l.quads = {Box(480, 20, 40, 780)};
    EXPECT_FALSE(CheckSolvable(l).empty());
    l.quads = {Box(480, 40, 40, 760)};
    EXPECT_TRUE(CheckSolvable(l).empty());
}

TEST(Solvability, StartInsideAnObstacle)
{
    SLevelData l = OpenField();
    l.quads = {Box(50, 350, 100, 100)};
    EXPECT_EQ(CheckSolvable(l),
              std::vector<std::string>{"the start (100, 400) is too close to an obstacle or the border to stand on"});
}

TEST(Layout, ReportsEachProblem)
{
    const struct
    {
        const char* what;
        void (*change)(SLevelData&);
        const char* problem;
    } cases[] = {
        {"small level", [](SLevelData& l) { l.width = 700; }, "smaller than the 800 x 600 screen"},
        {"present in obstacle", [](SLevelData& l) { l.quads = {Box(450, 150, 100, 100)}; },
         "present 0 (500, 200) lies inside obstacle 0"},
        {"exit in obstacle", [](SLevelData& l) { l.quads = {Box(850, 350, 100, 100)}; },
         "the exit (900, 400) lies inside obstacle 0"},
        {"start outside", [](SLevelData& l) { l.start = {-5, 400}; }, "the start (-5, 400) lies outside the level"},
        {"concave obstacle",
         [](SLevelData& l) {
             SLevelQuad dart;
             dart.corners = {SLevelPoint{300, 500}, SLevelPoint{350, 520}, SLevelPoint{400, 500}, SLevelPoint{350, 600}};
             l.quads = {dart};
         },
         "obstacle 0 is not a convex quad"},
        {"waypoint near start", [](SLevelData& l) { l.waypoints = {{150, 400}}; },
         "waypoint 0 (150, 400) lies in the start's keep-out circle"},
        {"waypoint near exit", [](SLevelData& l) { l.waypoints = {{900, 479}}; },
         "waypoint 0 (900, 479) lies in the exit's keep-out circle"},
        {"waypoint near border", [](SLevelData& l) { l.waypoints = {{500, 30}}; },
         "waypoint 0 (500, 30) is closer than 40 to the border"},
        {"waypoint near obstacle",
         [](SLevelData& l) {
             l.quads = {Box(300, 600, 100, 100)};
             l.waypoints = {{350, 570}};
         },
         "waypoint 0 (350, 570) is closer than 40 to an obstacle"},
        {"snowball alone",
         [](SLevelData& l) {
             l.enemyCount = 1;
             l.waypoints = {{300, 600}, {400, 650}};
         },
         "snowball 0 on waypoint (300, 600) has no other waypoint in a clear straight line"},
        {"snowball line blocked",
         [](SLevelData& l) {
             l.enemyCount = 1;
             l.quads = {Box(480, 550, 40, 100)};
             l.waypoints = {{300, 600}, {700, 600}};
         },
         "snowball 0 on waypoint (300, 600) has no other waypoint in a clear straight line"},
        {"snowball penned in",
         [](SLevelData& l) {
             // A 180 x 180 pen: the ball can only shuffle about its middle.
             l.enemyCount = 1;
             l.quads = {Box(600, 500, 180, 20), Box(600, 660, 180, 20), Box(600, 500, 20, 180), Box(760, 500, 20, 180)};
             l.waypoints = {{690, 590}, {690, 591}};
         },
         "snowball 0 stays within 200 pixels for a minute of play"},
        {"snowballs bunched",
         [](SLevelData& l) {
             l.enemyCount = 2;
             l.waypoints = {{300, 600}, {350, 600}};
         },
         "snowballs 0 and 1 start closer than 60 to each other"},
    };
    for (const auto& c : cases)
    {
        SLevelData l = OpenField();
        c.change(l);
        const std::vector<std::string> problems = CheckLayout(l);
        EXPECT_TRUE(Mentions(problems, c.problem)) << c.what << ": got " << ::testing::PrintToString(problems);
    }
}

TEST(Layout, SnowballOnAClearLineTravels)
{
    SLevelData l = OpenField();
    l.enemyCount = 1;
    l.waypoints = {{300, 600}, {700, 600}, {700, 300}};
    EXPECT_TRUE(CheckLayout(l).empty()) << ::testing::PrintToString(CheckLayout(l));
    const std::vector<SWaypointLink> links = WaypointLinks(l);
    ASSERT_EQ(links.size(), 2u);
    EXPECT_EQ(links[0].from, 0);
    EXPECT_EQ(links[0].to, 1);
    EXPECT_EQ(links[1].from, 1);
    EXPECT_EQ(links[1].to, 2);
}

TEST(SnowballRun, RollsFreelyAndKeepsOffTheBorder)
{
    SLevelData l = OpenField();
    l.enemyCount = 2;
    l.waypoints = {{300, 600}, {700, 200}, {700, 600}, {300, 200}};
    for (uint32_t seed : {1u, 2u, 3u})
    {
        const std::vector<SSnowballTrack> tracks = RollSnowballs(l, 4000, seed);
        ASSERT_EQ(tracks.size(), 2u);
        for (const SSnowballTrack& t : tracks)
        {
            EXPECT_FALSE(t.leftField);
            EXPECT_GT(std::max(t.maxX - t.minX, t.maxY - t.minY), 200.0f) << "seed " << seed;
            // Kept 40 from the border.
            EXPECT_GE(t.minX, 40.0f - 0.8f);
            EXPECT_LE(t.maxY, 800.0f - 40.0f + 0.8f);
        }
    }
}

TEST(SnowballRun, ObstacleEdgesPushBallsBack)
{
    // A wall across the middle: balls on either side never cross it.
    SLevelData l = OpenField();
    l.quads = {Box(0, 380, 1000, 40)};
    l.start = {100, 100};
    l.end = {900, 100};
    l.enemyCount = 2;
    l.waypoints = {{500, 200}, {500, 650}};
    const std::vector<SSnowballTrack> tracks = RollSnowballs(l, 6000, 7);
    ASSERT_EQ(tracks.size(), 2u);
    EXPECT_LE(tracks[0].maxY, 380.0f - 40.0f + 0.8f);
    EXPECT_GE(tracks[1].minY, 420.0f + 40.0f - 0.8f);
    EXPECT_FALSE(tracks[0].leftField);
    EXPECT_FALSE(tracks[1].leftField);
}

}  // namespace
