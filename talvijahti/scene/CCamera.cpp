// CCamera: keeps an 800 x 600 view inside its bounds.
#include "CCamera.h"

namespace {
// The screen size, fixed: the camera does not ask the renderer.
constexpr float kViewWidth = 800.0f;
constexpr float kViewHeight = 600.0f;
}  // namespace

CCamera::CCamera(CEngine* engine) : position{0.0f, 0.0f}, engine(engine), bounds() {}

void CCamera::Update()
{
    if (bounds.x > position.x) {
        position.x = bounds.x;
    }
    if (position.x > bounds.w - kViewWidth) {
        position.x = bounds.w - kViewWidth;
    }
    if (bounds.y > position.y) {
        position.y = bounds.y;
    }
    if (position.y > bounds.h - kViewHeight) {
        position.y = bounds.h - kViewHeight;
    }
}
