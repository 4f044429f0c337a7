// The corners of textured primitives as the renderer's batch holds them.
#pragma once

// Eight floats without gaps, so an array of SVertex goes to OpenGL as one
// interleaved array: position, texture coordinates, colour (stride sizeof(SVertex)).
struct SVertex {
    float x, y;
    float u, v;
    float r, g, b, a;
};
static_assert(sizeof(SVertex) == 32, "SVertex must be eight packed floats");

// Vertices in the order top-left, bottom-left, bottom-right, top-right.
struct SQuad {
    SVertex v[4];

    // Everything zero except the colour, so filling in only positions and texture
    // coordinates yields an untinted quad.
    SQuad() {
        for (SVertex& corner : v) {
            corner = SVertex{0.0f, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 1.0f, 1.0f};
        }
    }
};

struct STriangle {
    SVertex v[3];
};

// Lays an upright rectangle over a quad's corners, in the quad's vertex order.
inline void SetRectPositions(SQuad& quad, float left, float top, float right, float bottom)
{
    quad.v[0].x = left;
    quad.v[0].y = top;
    quad.v[1].x = left;
    quad.v[1].y = bottom;
    quad.v[2].x = right;
    quad.v[2].y = bottom;
    quad.v[3].x = right;
    quad.v[3].y = top;
}

// Maps the quad's corners onto a rectangle of the texture, in the quad's vertex order.
inline void SetRectTexCoords(SQuad& quad, float left, float top, float right, float bottom)
{
    quad.v[0].u = left;
    quad.v[0].v = top;
    quad.v[1].u = left;
    quad.v[1].v = bottom;
    quad.v[2].u = right;
    quad.v[2].v = bottom;
    quad.v[3].u = right;
    quad.v[3].v = top;
}
