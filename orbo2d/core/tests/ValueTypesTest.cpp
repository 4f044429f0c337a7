// The value types' defaults and the vertex layout OpenGL reads as one interleaved array.
#include <cstddef>

#include <gtest/gtest.h>

#include "core/SColor.h"
#include "core/SRect.h"
#include "core/STexture.h"
#include "core/SVertex.h"

TEST(ValueTypes, DefaultColourIsOpaqueWhite)
{
    SColor c;
    EXPECT_EQ(c.r, 1.0f);
    EXPECT_EQ(c.g, 1.0f);
    EXPECT_EQ(c.b, 1.0f);
    EXPECT_EQ(c.a, 1.0f);
}

TEST(ValueTypes, RectDefaultsToZeroAndKeepsArgumentOrder)
{
    SRect empty;
    EXPECT_EQ(empty.x + empty.y + empty.w + empty.h, 0.0f);
    SRect r(1, 2, 3, 4);
    SRect copy;
    copy = r;
    EXPECT_EQ(copy.x, 1);
    EXPECT_EQ(copy.y, 2);
    EXPECT_EQ(copy.w, 3);
    EXPECT_EQ(copy.h, 4);
}

TEST(ValueTypes, DefaultQuadIsZeroedAndUntinted)
{
    SQuad q;
    for (const SVertex& v : q.v) {
        EXPECT_EQ(v.x, 0.0f);
        EXPECT_EQ(v.y, 0.0f);
        EXPECT_EQ(v.u, 0.0f);
        EXPECT_EQ(v.v, 0.0f);
        EXPECT_EQ(v.r, 1.0f);
        EXPECT_EQ(v.g, 1.0f);
        EXPECT_EQ(v.b, 1.0f);
        EXPECT_EQ(v.a, 1.0f);
    }
}

TEST(ValueTypes, VertexIsEightPackedFloatsInDrawOrder)
{
    EXPECT_EQ(sizeof(SVertex), 32u);
    EXPECT_EQ(offsetof(SVertex, x), 0u);
    EXPECT_EQ(offsetof(SVertex, u), 8u);
    EXPECT_EQ(offsetof(SVertex, r), 16u);
    EXPECT_EQ(offsetof(SVertex, a), 28u);
    EXPECT_EQ(sizeof(SQuad), 4 * sizeof(SVertex));
    EXPECT_EQ(sizeof(STriangle), 3 * sizeof(SVertex));
}

TEST(ValueTypes, FreshTextureHasEmptyName)
{
    STexture t;
    EXPECT_TRUE(t.name.empty());
}
