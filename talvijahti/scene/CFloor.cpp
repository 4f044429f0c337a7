// CFloor: one screen-sized quad whose texture coordinates scroll and repeat.
#include "CFloor.h"

#include "gfx/CGFX.h"

namespace {
constexpr float kScreenWidth = 800.0f;
constexpr float kScreenHeight = 600.0f;
constexpr int kAlphaBlended = 2;
}  // namespace

CFloor::CFloor(CGFX* gfx, STexture* texture) : texture(texture), gfx(gfx)
{
    quad.v[0].x = 0.0f;
    quad.v[0].y = 0.0f;
    quad.v[1].x = 0.0f;
    quad.v[1].y = kScreenHeight;
    quad.v[2].x = kScreenWidth;
    quad.v[2].y = kScreenHeight;
    quad.v[3].x = kScreenWidth;
    quad.v[3].y = 0.0f;
}

CFloor::~CFloor()
{
    // Careful: this ends the texture for every holder; a later request loads it again.
    if (texture != nullptr) {
        gfx->FreeTexture(texture);
    }
}

void CFloor::Render(const SVector& offset)
{
    if (texture == nullptr) {
        return;  // a background whose picture could not be loaded shows nothing rather than crashing
    }
    const float w = static_cast<float>(texture->width);
    const float h = static_cast<float>(texture->height);
    const float left = offset.x / w;
    const float right = (offset.x + kScreenWidth) / w;
    const float top = offset.y / h;
    const float bottom = (offset.y + kScreenHeight) / h;
    quad.v[0].u = left;
    quad.v[0].v = top;
    quad.v[1].u = left;
    quad.v[1].v = bottom;
    quad.v[2].u = right;
    quad.v[2].v = bottom;
    quad.v[3].u = right;
    quad.v[3].v = top;
    gfx->RenderTextureQuad(texture, quad, kAlphaBlended);
}
