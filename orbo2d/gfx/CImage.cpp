// Vertex set-up of images: upright, rotated about a hot spot, clipped to part of a texture.
#include "gfx/CImage.h"

#include <cmath>

#include "gfx/CGFX.h"

CImage::CImage(CGFX* gfx, STexture* texture)
    : texture(texture),
      gfx(gfx),
      width(static_cast<float>(texture->width)),
      height(static_cast<float>(texture->height)),
      hotSpotX(0.0f),
      hotSpotY(0.0f),
      blendMode(0)
{
    SetRectTexCoords(quad, 0.0f, 0.0f, 1.0f, 1.0f);
}

CImage::CImage(CGFX* gfx, STexture* texture, SRect source) : CImage(gfx, texture)
{
    SetClipping(source);
}

void CImage::SetHotSpot(float x, float y)
{
    hotSpotX = x;
    hotSpotY = y;
}

void CImage::Render(float x, float y)
{
    SetRectPositions(quad, x, y, x + width, y + height);
    gfx->RenderTextureQuad(texture, quad, blendMode);
}

void CImage::RenderRotated(float x, float y, float angle)
{
    const float cosA = static_cast<float>(std::cos(angle));
    const float sinA = static_cast<float>(std::sin(angle));
    // Corners go clockwise from the top-left while the texture coordinates go
    // counter-clockwise, which is what lays the texture transposed.
    const float corners[4][2] = {
        {-hotSpotX, -hotSpotY},
        {width - hotSpotX, -hotSpotY},
        {width - hotSpotX, height - hotSpotY},
        {-hotSpotX, height - hotSpotY},
    };
    for (int i = 0; i < 4; ++i) {
        const float px = corners[i][0];
        const float py = corners[i][1];
        quad.v[i].x = x + px * cosA - py * sinA;
        quad.v[i].y = y + px * sinA + py * cosA;
    }
    gfx->RenderTextureQuad(texture, quad, blendMode);
}

void CImage::SetBlend(int mode)
{
    blendMode = mode;
}

void CImage::SetColor(const SColor& color)
{
    this->color = color;
    for (SVertex& corner : quad.v) {
        corner.r = color.r;
        corner.g = color.g;
        corner.b = color.b;
        corner.a = color.a;
    }
}

void CImage::SetClipping(const SRect& source)
{
    width = source.w;
    height = source.h;
    const float textureWidth = static_cast<float>(texture->width);
    const float textureHeight = static_cast<float>(texture->height);
    const float left = source.x / textureWidth;
    const float right = left + source.w / textureWidth;
    const float top = source.y / textureHeight;
    const float bottom = top + source.h / textureHeight;
    SetRectTexCoords(quad, left, top, right, bottom);
}

STexture* CImage::GetTexture()
{
    return texture;
}

void CImage::SetTexture(STexture* texture)
{
    this->texture = texture;
}

float CImage::GetWidth()
{
    return width;
}

float CImage::GetHeight()
{
    return height;
}
