// A texture loaded and uploaded by the renderer's texture cache.
#pragma once

#include <cstdint>
#include <string>

// Owned by the texture cache; every other holder keeps a non-owning pointer.
// Careful: the OpenGL texture is deleted by the cache before the record is destroyed,
// destroying the record itself only releases the name.
struct STexture {
    std::uint8_t components;  // 3 (RGB) or 4 (RGBA)
    int width;
    int height;
    unsigned int id;  // the OpenGL texture name
    std::string name; // the path it was loaded from; the cache compares requests against it

    STexture() {}
};
