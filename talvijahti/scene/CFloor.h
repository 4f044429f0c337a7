// A full-screen tiled background that scrolls by an offset, one texel per screen pixel.
#pragma once

#include "core/STexture.h"
#include "core/SVector.h"
#include "core/SVertex.h"

class CGFX;

class CFloor {
public:
    // Takes ownership of the texture: it is released from the renderer's cache with the floor.
    CFloor(CGFX* gfx, STexture* texture);
    ~CFloor();
    CFloor(const CFloor&) = delete;
    CFloor& operator=(const CFloor&) = delete;

    // Increasing offset.x moves the picture to the left.
    void Render(const SVector& offset);

private:
    STexture* texture;
    SQuad quad;
    CGFX* gfx;
};
