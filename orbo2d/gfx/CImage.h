// A textured rectangle with a size, a hot spot, a tint and a blend mode, drawn through the renderer.
#pragma once

#include "core/SColor.h"
#include "core/SRect.h"
#include "core/STexture.h"
#include "core/SVertex.h"

class CGFX;

class CImage {
public:
    CImage(CGFX* gfx, STexture* texture);
    CImage(CGFX* gfx, STexture* texture, SRect source);
    // The texture belongs to the cache and stays there.
    ~CImage() = default;

    // The rotation centre of RenderRotated, in pixels from the image's top-left corner.
    void SetHotSpot(float x, float y);
    void Render(float x, float y);
    // Turns by angle radians (clockwise on screen) about the hot spot, placed at (x, y).
    // The texture is laid transposed before turning; sprites are drawn with that mapping.
    void RenderRotated(float x, float y, float angle);
    void SetBlend(int mode);
    void SetColor(const SColor& color);
    // source in texels: left, top, width, height.
    void SetClipping(const SRect& source);
    STexture* GetTexture();
    // Only the texture changes: size, texture coordinates, hot spot, colour and blend mode stay.
    void SetTexture(STexture* texture);
    float GetWidth();
    float GetHeight();

private:
    STexture* texture;
    SQuad quad;
    CGFX* gfx;
    float width;
    float height;
    float hotSpotX;
    float hotSpotY;
    SColor color;
    int blendMode;
};
