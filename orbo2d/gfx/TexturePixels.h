// Turns any surface SDL_image produces into red-first RGB or RGBA bytes that OpenGL can upload.
#pragma once

#include <cstdint>
#include <vector>

#include <SDL.h>

// Bytes ready for an upload with OpenGL's default unpack alignment: rows padded to 4 bytes.
class CTexturePixels {
public:
    // The surface must stay alive and locked while Data() is in use: surfaces already
    // in the upload layout are handed over without a copy.
    explicit CTexturePixels(const SDL_Surface* surface);

    // 3 for RGB, 4 for RGBA; 0 when the surface has a layout no upload can be made from.
    std::uint8_t Components() const { return components; }
    const void* Data() const { return direct != nullptr ? direct : converted.data(); }
    bool Converted() const { return direct == nullptr; }

private:
    void _Convert(const SDL_Surface* surface);

    std::uint8_t components;
    const void* direct;
    std::vector<unsigned char> converted;
};

// Row length in bytes under a 4-byte alignment.
inline int AlignedRowBytes(int width, int bytesPerPixel)
{
    return (width * bytesPerPixel + 3) & ~3;
}
