// NearestPointFromLine and the obstacle push that the player and the snowballs share.
#include <cmath>

#include <gtest/gtest.h>

#include "actors/EdgeContact.h"
#include "actors/functions.h"
#include "core/SVertex.h"

namespace {

TEST(NearestPointFromLineTest, ProjectsOntoTheSegmentAndClampsToItsEnds)
{
    struct Case {
        SVector p, a, b, expected;
    };
    const Case cases[] = {
        {{5, 5}, {0, 0}, {10, 0}, {5, 0}},      // over the middle
        {{-3, 4}, {0, 0}, {10, 0}, {0, 0}},     // before a
        {{12, 1}, {0, 0}, {10, 0}, {10, 0}},    // beyond b
        {{0, 7}, {0, 0}, {10, 0}, {0, 0}},      // exactly above a: d1 = 0 gives a
        {{10, -2}, {0, 0}, {10, 0}, {10, 0}},   // exactly below b: d2 = 0 gives b
        {{4, 0}, {0, 0}, {10, 0}, {4, 0}},      // on the segment
        {{0, 10}, {0, 0}, {10, 10}, {5, 5}},    // slanted segment
        {{3, 3}, {10, 10}, {0, 0}, {3, 3}},     // reversed ends, point on it
        {{7, -1}, {2, 2}, {2, 2}, {2, 2}},      // zero length gives a
    };
    for (const Case& c : cases) {
        const SVector got = NearestPointFromLine(c.p, c.a, c.b);
        EXPECT_FLOAT_EQ(got.x, c.expected.x) << "p " << c.p.x << "," << c.p.y;
        EXPECT_FLOAT_EQ(got.y, c.expected.y) << "p " << c.p.x << "," << c.p.y;
    }
}

SQuad BoxQuad(float l, float t, float r, float b)
{
    SQuad q;
    const float corners[4][2] = {{l, t}, {l, b}, {r, b}, {r, t}};
    for (int i = 0; i < 4; ++i) {
        q.v[i].x = corners[i][0];
        q.v[i].y = corners[i][1];
    }
    return q;
}

TEST(PushOutOfEdgeTest, PutsThePositionAtTheDistanceAlongTheWayOut)
{
    const SQuad box = BoxQuad(100, 100, 200, 200);
    SVector position{150, 90};  // 10 above the top edge (corner 3 -> 0)
    SVector normal{0, 0};
    ASSERT_TRUE(PushOutOfEdge(position, box, 3, 0, 16, normal));
    EXPECT_FLOAT_EQ(position.x, 150);
    EXPECT_FLOAT_EQ(position.y, 84);
    EXPECT_FLOAT_EQ(normal.x, 0);
    EXPECT_FLOAT_EQ(normal.y, -1);

    SVector far{150, 80};
    EXPECT_FALSE(PushOutOfEdge(far, box, 3, 0, 16, normal)) << "20 away is out of reach";
    EXPECT_FLOAT_EQ(far.y, 80);
}

TEST(PushOutOfEdgeTest, APositionExactlyOnAnEdgeGoesOutAlongItsNormal)
{
    // Each edge of the box, and of the same box listed mirrored, with the position on it.
    struct Case {
        int from, to;
        SVector onEdge, expected;
    };
    const SQuad box = BoxQuad(100, 100, 200, 200);
    const Case cases[] = {
        {0, 1, {100, 150}, {84, 150}},   // left edge: out to the left
        {1, 2, {150, 200}, {150, 216}},  // bottom edge: down
        {2, 3, {200, 150}, {216, 150}},  // right edge: right
        {3, 0, {150, 100}, {150, 84}},   // top edge: up
        {3, 0, {100, 100}, {100, 84}},   // a corner: out of the edge being handled
    };
    for (const Case& c : cases) {
        SVector position = c.onEdge;
        SVector normal{0, 0};
        ASSERT_TRUE(PushOutOfEdge(position, box, c.from, c.to, 16, normal));
        EXPECT_TRUE(std::isfinite(position.x) && std::isfinite(position.y));
        EXPECT_FLOAT_EQ(position.x, c.expected.x) << "edge " << c.from << "->" << c.to;
        EXPECT_FLOAT_EQ(position.y, c.expected.y) << "edge " << c.from << "->" << c.to;
    }

    // Mirrored listing (corners in the other turning order): still pushed outward.
    const SQuad mirrored = BoxQuad(200, 100, 100, 200);
    SVector position{100, 150};  // on the edge now listed as corner 2 -> 3
    SVector normal{0, 0};
    ASSERT_TRUE(PushOutOfEdge(position, mirrored, 2, 3, 16, normal));
    EXPECT_FLOAT_EQ(position.x, 84);
    EXPECT_FLOAT_EQ(position.y, 150);
}

TEST(PushOutOfEdgeTest, ADegenerateEdgeWithThePositionOnItIsLeftAlone)
{
    SQuad dot = BoxQuad(50, 50, 50, 50);
    SVector position{50, 50};
    SVector normal{0, 0};
    EXPECT_FALSE(PushOutOfEdge(position, dot, 0, 1, 16, normal));
    EXPECT_FLOAT_EQ(position.x, 50);
    EXPECT_FLOAT_EQ(position.y, 50);
}

}  // namespace
