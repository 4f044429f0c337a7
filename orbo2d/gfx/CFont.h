// A fixed-pitch bitmap font: 256 glyphs of 8 x 15 pixels in a 16-column grid over one texture.
#pragma once

#include "core/STexture.h"
#include "core/SVertex.h"

class CGFX;

class CFont {
public:
    CFont(CGFX* gfx, STexture* texture);
    // Frees the glyph quads only; the texture belongs to the cache.
    ~CFont();
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    // printf-style; one line, cut at 255 characters. Every byte, control characters
    // included, draws its own cell and advances 8 pixels.
    void RenderText(float x, float y, const char* format, ...) __attribute__((format(printf, 4, 5)));

private:
    STexture* texture;
    SQuad* glyphs;
    CGFX* gfx;
};
