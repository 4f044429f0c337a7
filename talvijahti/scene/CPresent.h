// A present to collect: a sprite that turns slowly.
#pragma once

#include "CSpriteObject.h"

class CPresent : public CSpriteObject {
public:
    CPresent(CEngine* engine, CCamera* camera, CImage* image) : CSpriteObject(engine, camera, image) {}

    // The angle grows without wrapping.
    void Update() override { angle += 0.01f; }
};
