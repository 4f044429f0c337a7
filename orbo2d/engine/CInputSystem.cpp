// CInputSystem: refreshes and answers the frame's key and mouse state.
#include "CInputSystem.h"

CInputSystem::CInputSystem(IInputSource& source) : source(source) {}

void CInputSystem::UpdateState()
{
    keys = nullptr;
    source.PumpOneEvent();
    keys = source.GetKeyState();
    buttons = static_cast<int>(source.GetMouseState(&mouseX, &mouseY) & 0xFF);
}

bool CInputSystem::GetKey(unsigned char key)
{
    return keys != nullptr && keys[key] != 0;
}

void CInputSystem::GetMousePosition(int* x, int* y)
{
    *x = mouseX;
    *y = mouseY;
}

bool CInputSystem::GetMouseButton(int button)
{
    if (button < 1 || button > 8) {
        return false;
    }
    return (buttons & (1 << (button - 1))) != 0;
}
