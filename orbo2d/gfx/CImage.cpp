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
    // Vertex order top-left, bottom-left, bottom-right, top-right of the texture.
    static const float corners[4][2] = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};
    for (int i = 0; i < 4; ++i) {
        quad.v[i].u = corners[i][0];
        quad.v[i].v = corners[i][1];
    }
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
    quad.v[0].x = x;
    quad.v[0].y = y;
    quad.v[1].x = x;
    quad.v[1].y = y + height;
    quad.v[2].x = x + width;
    quad.v[2].y = y + height;
    quad.v[3].x = x + width;
    quad.v[3].y = y;
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
    quad.v[0].u = left;
    quad.v[0].v = top;
    quad.v[1].u = left;
    quad.v[1].v = bottom;
    quad.v[2].u = right;
    quad.v[2].v = bottom;
    quad.v[3].u = right;
    quad.v[3].v = top;
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
