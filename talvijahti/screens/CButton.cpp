// CButton: hit test, highlight and press of one menu button.
#include "CButton.h"

#include "core/SColor.h"
#include "engine/CEngine.h"
#include "gfx/CImage.h"
#include "gfx/CImageHandler.h"

namespace {
constexpr int kAlphaBlended = 2;
constexpr int kLeftButton = 1;
}  // namespace

CButton::CButton(CEngine* engine, CImage* image, SVector position, SRect hitBox)
    : engine(engine), position(position), image(image), hitBox(hitBox), pressed(false), armed(false)
{
    image->SetBlend(kAlphaBlended);
}

CButton::~CButton()
{
    engine->GetImageHandler()->FreeImage(image);
}

void CButton::Update()
{
    pressed = false;
    CInputSystem* input = engine->GetInput();
    const bool leftHeld = input->GetMouseButton(kLeftButton);
    if (!leftHeld) {
        armed = true;
    }

    int mouseX = 0;
    int mouseY = 0;
    input->GetMousePosition(&mouseX, &mouseY);
    const float x = static_cast<float>(mouseX);
    const float y = static_cast<float>(mouseY);
    const bool over = hitBox.x <= x && x <= hitBox.x + hitBox.w && hitBox.y <= y && y <= hitBox.y + hitBox.h;

    if (over) {
        image->SetColor(SColor(1.0f, 1.0f, 1.0f, 1.0f));
        pressed = leftHeld && armed;
    } else {
        image->SetColor(SColor(0.6f, 0.6f, 0.6f, 1.0f));
    }
}

void CButton::Render()
{
    image->Render(position.x, position.y);
}
