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
