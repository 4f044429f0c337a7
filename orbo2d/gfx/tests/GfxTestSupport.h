// Shared pieces of the renderer's unit tests: a renderer over a recording GL table and quads.
#pragma once

#include <memory>

#include "core/STexture.h"
#include "core/SVertex.h"
#include "gfx/CGFX.h"
#include "gfx/testing/RecordingGL.h"

// A texture record as the cache would hand it out, without a file behind it.
inline std::unique_ptr<STexture> MakeTexture(unsigned int id, int width = 32, int height = 32)
{
    auto texture = std::make_unique<STexture>();
    texture->components = 4;
    texture->width = width;
    texture->height = height;
    texture->id = id;
    texture->name = "texture" + std::to_string(id);
    return texture;
}

// A quad whose top-left corner is at (x, y), 10 pixels square.
inline SQuad MakeQuad(float x, float y)
{
    SQuad quad;
    const float corners[4][2] = {{0, 0}, {0, 10}, {10, 10}, {10, 0}};
    for (int i = 0; i < 4; ++i) {
        quad.v[i].x = x + corners[i][0];
        quad.v[i].y = y + corners[i][1];
    }
    return quad;
}

inline STriangle MakeTriangle(float x, float y)
{
    STriangle triangle;
    const float corners[3][2] = {{0, 0}, {0, 10}, {10, 10}};
    for (int i = 0; i < 3; ++i) {
        triangle.v[i] = SVertex{x + corners[i][0], y + corners[i][1], 0, 0, 1, 1, 1, 1};
    }
    return triangle;
}

// An 800 x 600 renderer drawing into the recorder; its start-up calls are already forgotten.
struct SRecordedGfx {
    RecordingGL gl;
    CGFX gfx{800, 600, 32, false, gl};

    SRecordedGfx() { gl.ClearRecords(); }
};
