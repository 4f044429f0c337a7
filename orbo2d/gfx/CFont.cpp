// Bitmap text: one quad per character, all in one batch of the renderer.
#include "gfx/CFont.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "gfx/CGFX.h"

namespace {

const int kColumns = 16;
const float kCellU = 0.0625f;        // 1/16 of the texture's width
const float kCellV = 0.1171875f;     // 15/128 of its height
const float kGlyphWidth = 8.0f;
const float kGlyphHeight = 15.0f;

}  // namespace

CFont::CFont(CGFX* gfx, STexture* texture) : texture(texture), glyphs(new SQuad[256]), gfx(gfx)
{
    for (int code = 0; code < 256; ++code) {
        const float left = static_cast<float>(code % kColumns) * kCellU;
        const float top = static_cast<float>(code / kColumns) * kCellV;
        SetRectTexCoords(glyphs[code], left, top, left + kCellU, top + kCellV);
    }
}

CFont::~CFont()
{
    delete[] glyphs;
}

void CFont::RenderText(float x, float y, const char* format, ...)
{
    // Longer output is cut at 255 characters: vsnprintf never writes past the buffer.
    char text[256];
    va_list args;
    va_start(args, format);
    const int written = std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    if (written < 0) {
        return;
    }
    const std::size_t length = std::strlen(text);
    for (std::size_t i = 0; i < length; ++i) {
        SQuad& glyph = glyphs[static_cast<unsigned char>(text[i])];
        const float x0 = x + kGlyphWidth * static_cast<float>(i);
        SetRectPositions(glyph, x0, y, x0 + kGlyphWidth, y + kGlyphHeight);
        // Mode 1: transparent texels dropped, the rest drawn in the font image's own colours.
        gfx->RenderTextureQuad(texture, glyph, 1);
    }
}
