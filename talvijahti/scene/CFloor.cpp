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
    SetRectPositions(quad, 0.0f, 0.0f, kScreenWidth, kScreenHeight);
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
    SetRectTexCoords(quad, left, top, right, bottom);
    gfx->RenderTextureQuad(texture, quad, kAlphaBlended);
}
