// CScriptedInput: answers mouse queries from the values a test set.
#include "ScriptedInput.h"

std::uint32_t CScriptedInput::GetMouseState(int* x, int* y)
{
    if (x != nullptr) {
        *x = mouseX;
    }
    if (y != nullptr) {
        *y = mouseY;
    }
    return buttons;
}
