// An image with a position, a velocity and a rotation; base of the player, presents and snowballs.
#pragma once

#include "IObject.h"
#include "core/SVector.h"

class CCamera;
class CEngine;
class CImage;

class CSpriteObject : public IObject {
public:
    CSpriteObject(CEngine* engine, CCamera* camera, CImage* image);

    // Draws the image turned by angle with its hot spot at the position, relative to the camera.
    void Render() override;
    void Update() override {}

    void SetAngle(float angle) { this->angle = angle; }
    float GetAngle() { return angle; }
    CImage* GetImage() { return image; }

    SVector velocity;   // pixels per frame
    SVector position;   // world position of the image's hot spot
    SVector direction;  // unit heading; only the player keeps it up to date

protected:
    CEngine* engine;
    CImage* image;  // shared between objects of one kind, not owned
    float angle;
    CCamera* camera;
};
