// CSpriteObject: draws a shared image at a world position through the camera.
#include "CSpriteObject.h"

#include "CCamera.h"
#include "gfx/CImage.h"

CSpriteObject::CSpriteObject(CEngine* engine, CCamera* camera, CImage* image)
    : velocity{0.0f, 0.0f},
      position{0.0f, 0.0f},
      direction{0.0f, 0.0f},
      engine(engine),
      image(image),
      angle(0.0f),
      camera(camera)
{
}

void CSpriteObject::Render()
{
    image->RenderRotated(position.x - camera->position.x, position.y - camera->position.y, angle);
}
