// The view's top-left corner in world coordinates, kept inside the level.
#pragma once

#include "IObject.h"
#include "core/SRect.h"
#include "core/SVector.h"

class CEngine;

class CCamera : public IObject {
public:
    explicit CCamera(CEngine* engine);

    // bounds are left, top, right, bottom (not width and height).
    void SetBounds(SRect bounds) { this->bounds = bounds; }
    void Render() override {}
    // Clamps the view into the bounds; the right and bottom clamps win for small levels.
    void Update() override;

    // The in-game screen writes this directly every frame.
    SVector position;

private:
    CEngine* engine;
    SRect bounds;
};
